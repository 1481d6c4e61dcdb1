; SPDX-License-Identifier: GPL-3.0-or-later
; The setup program's own texts in the program's six languages (NSIS's own pages bring theirs).

LangString DesktopShortcut ${LANG_ENGLISH} "Desktop shortcut"
LangString DesktopShortcut ${LANG_GERMAN} "Verknüpfung auf dem Desktop"
LangString DesktopShortcut ${LANG_SWEDISH} "Genväg på skrivbordet"
LangString DesktopShortcut ${LANG_ITALIAN} "Collegamento sul desktop"
LangString DesktopShortcut ${LANG_SPANISH} "Acceso directo en el escritorio"
LangString DesktopShortcut ${LANG_FRENCH} "Raccourci sur le bureau"

LangString ShortcutComment ${LANG_ENGLISH} "Learn to draw flowers step by step"
LangString ShortcutComment ${LANG_GERMAN} "Blumen Schritt für Schritt malen lernen"
LangString ShortcutComment ${LANG_SWEDISH} "Lär dig rita blommor steg för steg"
LangString ShortcutComment ${LANG_ITALIAN} "Imparare a disegnare fiori passo dopo passo"
LangString ShortcutComment ${LANG_SPANISH} "Aprender a dibujar flores paso a paso"
LangString ShortcutComment ${LANG_FRENCH} "Apprendre à dessiner des fleurs pas à pas"

LangString RemoveDrawingsAndSettings ${LANG_ENGLISH} "Also remove drawings and settings"
LangString RemoveDrawingsAndSettings ${LANG_GERMAN} "Auch Zeichnungen und Einstellungen entfernen"
LangString RemoveDrawingsAndSettings ${LANG_SWEDISH} "Ta även bort teckningar och inställningar"
LangString RemoveDrawingsAndSettings ${LANG_ITALIAN} "Rimuovi anche disegni e impostazioni"
LangString RemoveDrawingsAndSettings ${LANG_SPANISH} "Eliminar también los dibujos y los ajustes"
LangString RemoveDrawingsAndSettings ${LANG_FRENCH} "Supprimer aussi les dessins et les réglages"

LangString PinsolaIsRunning ${LANG_ENGLISH} "Pinsola is still open. Please end it, then choose Retry."
LangString PinsolaIsRunning ${LANG_GERMAN} "Pinsola ist noch geöffnet. Bitte beende es und wähle dann Wiederholen."
LangString PinsolaIsRunning ${LANG_SWEDISH} "Pinsola är fortfarande öppet. Avsluta det och välj sedan Försök igen."
LangString PinsolaIsRunning ${LANG_ITALIAN} "Pinsola è ancora aperto. Chiudilo, poi scegli Riprova."
LangString PinsolaIsRunning ${LANG_SPANISH} "Pinsola sigue abierto. Ciérralo y luego elige Reintentar."
LangString PinsolaIsRunning ${LANG_FRENCH} "Pinsola est encore ouvert. Ferme-le, puis choisis Réessayer."

LangString NeedsAdministrator ${LANG_ENGLISH} "Installing Pinsola for all users needs administrator rights."
LangString NeedsAdministrator ${LANG_GERMAN} "Pinsola für alle Benutzer zu installieren braucht Administratorrechte."
LangString NeedsAdministrator ${LANG_SWEDISH} "Att installera Pinsola för alla användare kräver administratörsrättigheter."
LangString NeedsAdministrator ${LANG_ITALIAN} "Installare Pinsola per tutti gli utenti richiede i diritti di amministratore."
LangString NeedsAdministrator ${LANG_SPANISH} "Instalar Pinsola para todos los usuarios requiere derechos de administrador."
LangString NeedsAdministrator ${LANG_FRENCH} "Installer Pinsola pour tous les utilisateurs demande les droits d'administrateur."
