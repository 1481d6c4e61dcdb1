; The colour and pen-width window as designed. Positions and sizes are twips; colours are decimal RGB
; values with red in the low byte (7913438 = &H78BFDE, 8438015 = &H80C0FF, 8421504 = &H808080). The
; slider's keys are its stored property keys; the button's keys are the button library's, in lower case.

[frmColor]
clientwidth=9390
clientheight=2535

[imgBg]
picture=:/art/frmColor/background.jpg

; borderstyle 1: a sunken border of 2 pixels around the palette. The palette's colours are cells of equal
; size in gridcolumns columns and gridrows rows.
[picCol]
left=360
top=240
width=7185
height=2040
borderstyle=1
picture=:/art/frmColor/palette.png
mouseicon=:/art/frmColor/pointer.png
gridcolumns=19
gridrows=6

[kmoSlider]
left=7800
top=240
width=270
height=2055
BackColor=7913438
Orientation=1
RailStyle=99
Min=1
Max=50
Value=5
SliderIcon=:/art/frmColor/thumb.png
RailPicture=:/art/frmColor/rail.png

; alignment 2: centred.
[lblWidth]
left=8400
top=240
width=600
height=375
caption=3
alignment=2
backcolor=0
forecolor=8438015
fontname=MS Sans Serif
fontsize=12
fontbold=-1

[lblFCol]
left=8400
top=720
width=600
height=615
backcolor=8421504

[bzlButton(0)]
left=8400
top=1680
width=600
height=600
btype=14
tx=û
enab=-1
font=Wingdings,24,0,0,0,2
coltype=2
focusr=-1
bcol=7913438
bcolo=12632256
fcol=0
fcolo=0
mcol=12632256
mptr=0
micon=
picn=
pich=
umcol=-1
soft=0
picpos=0
ngrey=0
fx=2
hand=0
check=0
value=0
