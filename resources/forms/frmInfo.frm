; The info window as designed. Positions and sizes are twips; colours are decimal RGB values with red in
; the low byte (15792895 = &HF0FAFF, 12582912 = &HC00000: blue 192).

[frmInfo]
clientwidth=6300
clientheight=4710
backcolor=15792895

[imgPicture(0)]
left=300
top=300
width=1920
height=1920
picture=:/art/frmInfo/picture0.png

[imgPicture(1)]
left=750
top=2400
width=4800
height=1200
picture=:/art/frmInfo/picture1.png

; Program name and version, two lines.
[Label(0)]
left=2460
top=360
width=3540
height=660
fontname=Arial
fontsize=12
fontbold=-1

; What the program is for.
[Label(1)]
left=2460
top=1140
width=3540
height=600
fontname=Arial
fontsize=8
fontbold=0

; The prompt above the language flags.
[Label(2)]
left=300
top=3780
width=3900
height=255
fontname=Arial
fontsize=8
fontbold=0

[lblHomepage]
left=2460
top=1860
width=3540
height=270
fontname=Arial
fontsize=8
fontbold=-1
forecolor=12582912

; The licence, under the web page.
[lblLicence]
left=2460
top=2115
width=3540
height=225
fontname=Arial
fontsize=7
fontbold=0

[imgLang(0)]
left=300
top=4080
width=480
height=300
picture=:/art/flags/0.png
tooltiptext=Deutsch

[imgLang(1)]
left=900
top=4080
width=480
height=300
picture=:/art/flags/1.png
tooltiptext=English

[imgLang(2)]
left=1500
top=4080
width=480
height=300
picture=:/art/flags/2.png
tooltiptext=Svenska

[imgLang(3)]
left=2100
top=4080
width=480
height=300
picture=:/art/flags/3.png
tooltiptext=Italiano

[imgLang(4)]
left=2700
top=4080
width=480
height=300
picture=:/art/flags/4.png
tooltiptext=Español

[imgLang(6)]
left=3300
top=4080
width=480
height=300
picture=:/art/flags/6.png
tooltiptext=Français

[cmdOK]
left=4740
top=3990
width=1260
height=450
caption=&OK
