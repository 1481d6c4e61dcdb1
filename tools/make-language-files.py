#!/usr/bin/env python3
"""Writes the six language files resources/lang/*.lng from the texts below.

The files are INI text: section [Lang], one line per text with its four-digit id as the key, CR LF line
ends, encoded in Windows-1252 (the program reads them in that code page). Texts address the child with
the familiar form; tooltips stay short. Run from anywhere: tools/make-language-files.py
"""

from pathlib import Path

MAX_LENGTH = 254  # the program reads at most this many characters of a value

# id: what the text labels, in the order the files list them.
IDS = {
    100: "program name; title of the exit question",
    101: "info window: what the program is for",
    103: "info window: prompt above the language flags",
    113: "help menu entry: info window",
    114: "exit question",
    115: "tooltip: exit",
    119: "tooltip: sound on or off",
    120: "tooltip of the help button and caption of the help menu",
    121: "help menu entry: help file",
    122: "tooltip: colour and pen window",
    123: "tooltip: next step, next lesson",
    124: "tooltip: previous step, previous lesson",
    125: "tooltip: saved drawings",
    128: "tooltip: full or half size",
    129: "tooltip: grid on or off",
    130: "tooltip: new page",
    131: "tooltip: web page",
    132: "prompt of the save dialog; title of the overwrite question",
    133: "tooltip: save; title of the save dialog",
    134: "overwrite question, first line",
    135: "overwrite question, second line",
    140: "tooltip: print",
    142: "tooltip: finished picture and lesson choice",
    143: "tooltip: undo",
}

NBSP = "\u00a0"  # French puts a no-break space before ":" and "?"

TEXTS = {
    "deutsch.lng": {
        100: "Pinsola",
        101: "Blumen malen lernen, Schritt für Schritt",
        103: "Wähle deine Sprache:",
        113: "Ü&ber Pinsola...",
        114: "Möchtest du Pinsola wirklich beenden? Ein Bild, das du nicht gespeichert hast, geht dabei verloren.",
        115: "Pinsola beenden",
        119: "Ton an/aus",
        120: "Hilfe und Info",
        121: "&Hilfe",
        122: "Farbe und Stiftdicke wählen",
        123: "Weiter",
        124: "Zurück",
        125: "Gespeichertes Bild öffnen",
        128: "Bild größer oder kleiner",
        129: "Gitter ein/aus",
        130: "Neues Blatt",
        131: "Pinsola im Internet",
        132: "Name deines Bildes",
        133: "Bild speichern",
        134: "Ein Bild mit diesem Namen gibt es schon.",
        135: "Möchtest du es ersetzen?",
        140: "Bild drucken",
        142: "Eine andere Blume aussuchen",
        143: "Letzten Strich zurücknehmen",
    },
    "english.lng": {
        100: "Pinsola",
        101: "Learn to draw flowers, step by step",
        103: "Choose your language:",
        113: "&About Pinsola...",
        114: "Do you really want to close Pinsola? A drawing that you have not saved will be lost.",
        115: "Close Pinsola",
        119: "Sound on/off",
        120: "Help and info",
        121: "&Help",
        122: "Choose colour and pen size",
        123: "Next",
        124: "Back",
        125: "Open a saved drawing",
        128: "Bigger or smaller picture",
        129: "Grid on/off",
        130: "New page",
        131: "Pinsola on the internet",
        132: "Name of your drawing",
        133: "Save drawing",
        134: "There is already a drawing with this name.",
        135: "Do you want to replace it?",
        140: "Print drawing",
        142: "Choose another flower",
        143: "Undo the last line",
    },
    "swedish.lng": {
        100: "Pinsola",
        101: "Lär dig rita blommor, steg för steg",
        103: "Välj ditt språk:",
        113: "&Om Pinsola...",
        114: "Vill du verkligen stänga Pinsola? En teckning som du inte har sparat försvinner.",
        115: "Stäng Pinsola",
        119: "Ljud på/av",
        120: "Hjälp och info",
        121: "&Hjälp",
        122: "Välj färg och pennans bredd",
        123: "Nästa",
        124: "Tillbaka",
        125: "Öppna en sparad teckning",
        128: "Större eller mindre bild",
        129: "Rutnät på/av",
        130: "Ny sida",
        131: "Pinsola på internet",
        132: "Namn på din teckning",
        133: "Spara teckningen",
        134: "Det finns redan en teckning med det här namnet.",
        135: "Vill du ersätta den?",
        140: "Skriv ut teckningen",
        142: "Välj en annan blomma",
        143: "Ångra det senaste strecket",
    },
    "italian.lng": {
        100: "Pinsola",
        101: "Impara a disegnare i fiori, passo dopo passo",
        103: "Scegli la tua lingua:",
        113: "&Informazioni su Pinsola...",
        114: "Vuoi davvero chiudere Pinsola? Un disegno che non hai salvato andrà perso.",
        115: "Chiudi Pinsola",
        119: "Suono sì/no",
        120: "Aiuto e informazioni",
        121: "&Guida",
        122: "Scegli il colore e lo spessore del tratto",
        123: "Avanti",
        124: "Indietro",
        125: "Apri un disegno salvato",
        128: "Immagine più grande o più piccola",
        129: "Griglia sì/no",
        130: "Nuovo foglio",
        131: "Pinsola su internet",
        132: "Nome del tuo disegno",
        133: "Salva il disegno",
        134: "Esiste già un disegno con questo nome.",
        135: "Vuoi sostituirlo?",
        140: "Stampa il disegno",
        142: "Scegli un altro fiore",
        143: "Annulla l'ultimo tratto",
    },
    "spanish.lng": {
        100: "Pinsola",
        101: "Aprende a dibujar flores paso a paso",
        103: "Elige tu idioma:",
        113: "Acerca &de Pinsola...",
        114: "¿De verdad quieres cerrar Pinsola? Si no has guardado tu dibujo, se perderá.",
        115: "Cerrar Pinsola",
        119: "Sonido sí/no",
        120: "Ayuda e información",
        121: "&Ayuda",
        122: "Elige el color y el grosor del trazo",
        123: "Siguiente",
        124: "Atrás",
        125: "Abrir un dibujo guardado",
        128: "Imagen más grande o más pequeña",
        129: "Cuadrícula sí/no",
        130: "Hoja nueva",
        131: "Pinsola en internet",
        132: "Nombre de tu dibujo",
        133: "Guardar el dibujo",
        134: "Ya hay un dibujo con este nombre.",
        135: "¿Quieres reemplazarlo?",
        140: "Imprimir el dibujo",
        142: "Elige otra flor",
        143: "Deshacer el último trazo",
    },
    "french.lng": {
        100: "Pinsola",
        101: "Apprends à dessiner des fleurs, étape par étape",
        103: f"Choisis ta langue{NBSP}:",
        113: "À &propos de Pinsola...",
        114: f"Veux-tu vraiment fermer Pinsola{NBSP}? Un dessin que tu n'as pas enregistré sera perdu.",
        115: "Fermer Pinsola",
        119: "Activer ou couper le son",
        120: "Aide et informations",
        121: "&Aide",
        122: "Choisir la couleur et l'épaisseur du trait",
        123: "Suivant",
        124: "Précédent",
        125: "Ouvrir un dessin enregistré",
        128: "Image plus grande ou plus petite",
        129: "Grille oui/non",
        130: "Nouvelle page",
        131: "Pinsola sur Internet",
        132: "Nom de ton dessin",
        133: "Enregistrer le dessin",
        134: "Il existe déjà un dessin avec ce nom.",
        135: f"Veux-tu le remplacer{NBSP}?",
        140: "Imprimer le dessin",
        142: "Choisir une autre fleur",
        143: "Annuler le dernier trait",
    },
}


def file_bytes(name: str, texts: dict) -> bytes:
    missing = IDS.keys() - texts.keys()
    unknown = texts.keys() - IDS.keys()
    if missing or unknown:
        raise SystemExit(f"{name}: missing ids {sorted(missing)}, unknown ids {sorted(unknown)}")
    lines = ["[Lang]"]
    for text_id in IDS:
        text = texts[text_id]
        if not text or len(text) > MAX_LENGTH or text != text.strip() or "\n" in text:
            raise SystemExit(f"{name}: text {text_id:04d} must be one line of 1 to {MAX_LENGTH} characters")
        lines.append(f"{text_id:04d}={text}")
    return ("\r\n".join(lines) + "\r\n").encode("cp1252")  # raises on a character outside the code page


def main() -> None:
    folder = Path(__file__).resolve().parent.parent / "resources" / "lang"
    folder.mkdir(parents=True, exist_ok=True)
    for name, texts in TEXTS.items():
        (folder / name).write_bytes(file_bytes(name, texts))
        print(f"{name}: {len(texts)} texts")


if __name__ == "__main__":
    main()
