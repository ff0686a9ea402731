<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Engine</name>
    <message>
        <source>Capacity: %1</source>
        <translation>Kapazität: %1</translation>
    </message>
    <message>
        <source>Used: %1</source>
        <translation>Belegt: %1</translation>
    </message>
    <message>
        <source>Free: %1</source>
        <translation>Frei: %1</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Cannot read the free space of %1.</source>
        <translation>Der freie Speicherplatz von %1 kann nicht ermittelt werden.</translation>
    </message>
    <message>
        <source>Not enough free space on %1: the files need %2, only %3 are free. Nothing was copied.</source>
        <translation>Nicht genug freier Speicherplatz auf %1: Die Dateien benötigen %2, frei sind nur %3. Es wurde nichts kopiert.</translation>
    </message>
    <message>
        <source>Cannot make the folder %1: %2.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>The copy of %1 is incomplete: the file changed while it was copied.</source>
        <translation>Die Kopie von %1 ist unvollständig: Die Datei hat sich während des Kopierens geändert.</translation>
    </message>
    <message>
        <source>Please make sure the PSP is connected.</source>
        <translation>Bitte stellen Sie sicher, dass die PSP angeschlossen ist.</translation>
    </message>
    <message>
        <source>Please make sure the PSP is connected.
And the video folder %1 is not valid.
Please select a valid source folder.</source>
        <translation>Bitte stellen Sie sicher, dass die PSP angeschlossen ist.
Außerdem ist der Videoordner %1 ungültig.
Bitte wählen Sie einen gültigen Quellordner.</translation>
    </message>
    <message>
        <source>Add Photo</source>
        <translation>Foto hinzufügen</translation>
    </message>
    <message>
        <source>Add %1 Photos</source>
        <translation>%1 Fotos hinzufügen</translation>
    </message>
    <message>
        <source>Delete Photo</source>
        <translation>Foto löschen</translation>
    </message>
    <message>
        <source>Delete %1 Photos</source>
        <translation>%1 Fotos löschen</translation>
    </message>
    <message>
        <source>Move Photo</source>
        <translation>Foto verschieben</translation>
    </message>
    <message>
        <source>Move %1 Photos</source>
        <translation>%1 Fotos verschieben</translation>
    </message>
    <message>
        <source>Sort Photos</source>
        <translation>Fotos sortieren</translation>
    </message>
    <message>
        <source>Change Display Time</source>
        <translation>Anzeigedauer ändern</translation>
    </message>
    <message>
        <source>Change Transition Time</source>
        <translation>Übergangsdauer ändern</translation>
    </message>
    <message>
        <source>Change Image Effect</source>
        <translation>Bildeffekt ändern</translation>
    </message>
    <message>
        <source>Change Transition</source>
        <translation>Übergang ändern</translation>
    </message>
    <message>
        <source>Fit to Music</source>
        <translation>An Musik anpassen</translation>
    </message>
    <message>
        <source>Apply Times to All Photos</source>
        <translation>Zeiten auf alle Fotos anwenden</translation>
    </message>
    <message>
        <source>Set Cover</source>
        <translation>Titelbild festlegen</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <source>Edit Picture</source>
        <translation>Bild bearbeiten</translation>
    </message>
    <message>
        <source>Rename Slideshow</source>
        <translation>Diashow umbenennen</translation>
    </message>
    <message>
        <source>Move Slideshow</source>
        <translation>Diashow verschieben</translation>
    </message>
    <message>
        <source>Add Slideshow</source>
        <translation>Diashow hinzufügen</translation>
    </message>
    <message>
        <source>Import Folders</source>
        <translation>Ordner importieren</translation>
    </message>
    <message>
        <source>Delete Slideshow</source>
        <translation>Diashow löschen</translation>
    </message>
    <message>
        <source>Delete All Slideshows</source>
        <translation>Alle Diashows löschen</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>Musik hinzufügen</translation>
    </message>
    <message>
        <source>Add Music Tracks</source>
        <translation>Musiktitel hinzufügen</translation>
    </message>
    <message>
        <source>Delete Music</source>
        <translation>Musik löschen</translation>
    </message>
    <message>
        <source>Move Music</source>
        <translation>Musik verschieben</translation>
    </message>
    <message>
        <source>Transition Settings</source>
        <translation>Übergangseinstellungen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Schwenk</translation>
    </message>
    <message>
        <source>Pan/Zoom</source>
        <translation>Schwenk/Zoom</translation>
    </message>
    <message>
        <source>Pan/Zoom/Rotate</source>
        <translation>Schwenk/Zoom/Drehung</translation>
    </message>
    <message>
        <source>pan from left to right</source>
        <translation>Schwenk von links nach rechts</translation>
    </message>
    <message>
        <source>pan from right to left</source>
        <translation>Schwenk von rechts nach links</translation>
    </message>
    <message>
        <source>pan from left-down to right-up</source>
        <translation>Schwenk von links unten nach rechts oben</translation>
    </message>
    <message>
        <source>pan from right-up to left-down</source>
        <translation>Schwenk von rechts oben nach links unten</translation>
    </message>
    <message>
        <source>pan from left-up to right-down</source>
        <translation>Schwenk von links oben nach rechts unten</translation>
    </message>
    <message>
        <source>pan from right-down to left-up</source>
        <translation>Schwenk von rechts unten nach links oben</translation>
    </message>
    <message>
        <source>pan from up to down</source>
        <translation>Schwenk von oben nach unten</translation>
    </message>
    <message>
        <source>pan from down to up</source>
        <translation>Schwenk von unten nach oben</translation>
    </message>
    <message>
        <source>zoom center in</source>
        <translation>Einzoomen in die Mitte</translation>
    </message>
    <message>
        <source>zoom left-up in</source>
        <translation>Einzoomen nach links oben</translation>
    </message>
    <message>
        <source>zoom right-up in</source>
        <translation>Einzoomen nach rechts oben</translation>
    </message>
    <message>
        <source>zoom left-down in</source>
        <translation>Einzoomen nach links unten</translation>
    </message>
    <message>
        <source>zoom right-down in</source>
        <translation>Einzoomen nach rechts unten</translation>
    </message>
    <message>
        <source>zoom center out</source>
        <translation>Auszoomen aus der Mitte</translation>
    </message>
    <message>
        <source>zoom left-up out</source>
        <translation>Auszoomen von links oben</translation>
    </message>
    <message>
        <source>zoom right-up out</source>
        <translation>Auszoomen von rechts oben</translation>
    </message>
    <message>
        <source>zoom left-down out</source>
        <translation>Auszoomen von links unten</translation>
    </message>
    <message>
        <source>zoom right-down out</source>
        <translation>Auszoomen von rechts unten</translation>
    </message>
    <message>
        <source>zoom in and rotate</source>
        <translation>Einzoomen und drehen</translation>
    </message>
    <message>
        <source>zoom out and rotate</source>
        <translation>Auszoomen und drehen</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>random</source>
        <translation>zufällig</translation>
    </message>
    <message>
        <source>axis</source>
        <translation>Achse</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>fingers</source>
        <translation>Zeiger</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>push</source>
        <translation>Schieben</translation>
    </message>
    <message>
        <source>sides</source>
        <translation>Ecken</translation>
    </message>
    <message>
        <source>smooth</source>
        <translation>Weich</translation>
    </message>
    <message>
        <source>width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>window number</source>
        <translation>Lamellen</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Blende</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>Akkordeon</translation>
    </message>
    <message>
        <source>Blinds</source>
        <translation>Jalousie</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>Cube fly</source>
        <translation>Würfelflug</translation>
    </message>
    <message>
        <source>Diagonal sweep</source>
        <translation>Diagonale Blende</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Umklappen</translation>
    </message>
    <message>
        <source>Fly</source>
        <translation>Flug</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Vieleck</translation>
    </message>
    <message>
        <source>Rotate in</source>
        <translation>Hineindrehen</translation>
    </message>
    <message>
        <source>Shutter</source>
        <translation>Rollladen</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Wirbel</translation>
    </message>
    <message>
        <source>Sweep</source>
        <translation>Weiche Blende</translation>
    </message>
    <message>
        <source>Twist</source>
        <translation>Verdrehen</translation>
    </message>
    <message>
        <source>Wipe</source>
        <translation>Wischblende</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufall</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not a music file Pictavo can play, so it will not be added!</source>
        <translation>Die Datei „%1“ ist keine Musikdatei, die Pictavo abspielen kann. Sie wird nicht hinzugefügt!</translation>
    </message>
    <message>
        <source>BMP image</source>
        <translation>BMP-Bild</translation>
    </message>
    <message>
        <source>GIF image</source>
        <translation>GIF-Bild</translation>
    </message>
    <message>
        <source>JPEG image</source>
        <translation>JPEG-Bild</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>PNG-Bild</translation>
    </message>
    <message>
        <source>Icon image</source>
        <translation>Symbolbild</translation>
    </message>
    <message>
        <source>TIFF image</source>
        <translation>TIFF-Bild</translation>
    </message>
    <message>
        <source>Targa image</source>
        <translation>Targa-Bild</translation>
    </message>
    <message>
        <source>PCX image</source>
        <translation>PCX-Bild</translation>
    </message>
    <message>
        <source>WBMP image</source>
        <translation>WBMP-Bild</translation>
    </message>
    <message>
        <source>Windows metafile</source>
        <translation>Windows-Metadatei</translation>
    </message>
    <message>
        <source>Enhanced metafile</source>
        <translation>Erweiterte Metadatei</translation>
    </message>
    <message>
        <source>JPEG 2000 image</source>
        <translation>JPEG-2000-Bild</translation>
    </message>
    <message>
        <source>JPEG 2000 codestream</source>
        <translation>JPEG-2000-Codestream</translation>
    </message>
    <message>
        <source>PGX image</source>
        <translation>PGX-Bild</translation>
    </message>
    <message>
        <source>PNM image</source>
        <translation>PNM-Bild</translation>
    </message>
    <message>
        <source>PGM image</source>
        <translation>PGM-Bild</translation>
    </message>
    <message>
        <source>PPM image</source>
        <translation>PPM-Bild</translation>
    </message>
    <message>
        <source>Sun raster image</source>
        <translation>Sun-Rasterbild</translation>
    </message>
    <message>
        <source>HEIC image</source>
        <translation>HEIC-Bild</translation>
    </message>
    <message>
        <source>HEIF image</source>
        <translation>HEIF-Bild</translation>
    </message>
    <message>
        <source>WebP image</source>
        <translation>WebP-Bild</translation>
    </message>
    <message>
        <source>MP3 audio</source>
        <translation>MP3-Audio</translation>
    </message>
    <message>
        <source>WAV audio</source>
        <translation>WAV-Audio</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>in the slideshow already</source>
        <translation>bereits in der Diashow</translation>
    </message>
    <message>
        <source>not a picture Pictavo can read</source>
        <translation>kein Bild, das Pictavo lesen kann</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 und %2 weitere</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 Sekunde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source>You have reached the limit of %1 slideshows!</source>
        <translation>Sie haben die Höchstzahl von %1 Diashows erreicht!</translation>
    </message>
    <message>
        <source>The slideshow name is empty or already in use!</source>
        <translation>Der Name der Diashow ist leer oder wird bereits verwendet!</translation>
    </message>
    <message>
        <source>You cannot add more pictures than the output disk can hold!</source>
        <translation>Sie können nicht mehr Bilder hinzufügen, als auf das Ausgabelaufwerk passen!</translation>
    </message>
    <message>
        <source>The videos would be over 4000 MB! Please delete some pictures or shorten the display time in Settings!</source>
        <translation>Die Videos würden größer als 4000 MB! Bitte löschen Sie einige Bilder oder verkürzen Sie die Anzeigedauer in den Einstellungen!</translation>
    </message>
    <message>
        <source>This is the last music track; it cannot be deleted!</source>
        <translation>Dies ist der letzte Musiktitel; er kann nicht gelöscht werden!</translation>
    </message>
    <message>
        <source>Photos you add from now on are shown for %1 after a transition of %2. Do you want every photo already in the project to take these times too? Their motions and transitions stay as they are.</source>
        <translation>Fotos, die Sie ab jetzt hinzufügen, werden nach einem Übergang von %2 für %1 angezeigt. Sollen alle Fotos, die bereits im Projekt sind, diese Zeiten ebenfalls übernehmen? Ihre Bewegungen und Übergänge bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>The project was saved to &apos;%1&apos;.</source>
        <translation>Das Projekt wurde unter „%1“ gespeichert.</translation>
    </message>
    <message>
        <source>The project could not be saved to &apos;%1&apos;: %2. Your changes are kept; save to another folder or free some space.</source>
        <translation>Das Projekt konnte nicht unter „%1“ gespeichert werden: %2. Ihre Änderungen bleiben erhalten; speichern Sie in einem anderen Ordner oder schaffen Sie Speicherplatz.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>1 file could not be added: %1.</source>
        <translation>1 Datei konnte nicht hinzugefügt werden: %1.</translation>
    </message>
    <message>
        <source>%1 files could not be added: %2.</source>
        <translation>%1 Dateien konnten nicht hinzugefügt werden: %2.</translation>
    </message>
    <message>
        <source>The project &apos;%1&apos; could not be opened: %2.</source>
        <translation>Das Projekt „%1“ konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>it is not a Pictavo project file</source>
        <translation>Es ist keine Pictavo-Projektdatei</translation>
    </message>
    <message>
        <source>it is damaged: a part every project file has is missing</source>
        <translation>Die Datei ist beschädigt: Ein Teil, den jede Projektdatei hat, fehlt</translation>
    </message>
    <message>
        <source>it is far too large to be a project file</source>
        <translation>Die Datei ist viel zu groß für eine Projektdatei</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>Die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Not enough disk space: please choose another drive. %1 MB are needed.</source>
        <translation>Nicht genug Speicherplatz: Bitte wählen Sie ein anderes Laufwerk. Benötigt werden %1 MB.</translation>
    </message>
    <message>
        <source>The drive %1 needs more than %2 MB of free space. Please delete files you no longer need and try again!</source>
        <translation>Auf dem Laufwerk %1 werden mehr als %2 MB freier Speicherplatz benötigt. Bitte löschen Sie Dateien, die Sie nicht mehr brauchen, und versuchen Sie es erneut!</translation>
    </message>
    <message>
        <source>Not enough disk space: please choose another drive. The videos need %1 MB,
and the drive %2 needs %1 MB!</source>
        <translation>Nicht genug Speicherplatz: Bitte wählen Sie ein anderes Laufwerk. Die Videos benötigen %1 MB,
und auf dem Laufwerk %2 werden %1 MB benötigt!</translation>
    </message>
    <message>
        <source>The output folder holds files that are not this project&apos;s videos, so Pictavo does not empty it.
Please choose another folder or move those files.</source>
        <translation>Der Ausgabeordner enthält Dateien, die keine Videos dieses Projekts sind, deshalb leert Pictavo ihn nicht.
Bitte wählen Sie einen anderen Ordner oder verschieben Sie diese Dateien.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>The output folder &apos;%1&apos; cannot be made or written. Please choose another folder and try again.</source>
        <translation>Der Ausgabeordner „%1“ kann nicht angelegt oder beschrieben werden. Bitte wählen Sie einen anderen Ordner und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Slideshow &apos;%1&apos; has no photos. Please add photos to it or delete it and try again.</source>
        <translation>Die Diashow „%1“ enthält keine Fotos. Bitte fügen Sie Fotos hinzu oder löschen Sie die Diashow und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The photo &apos;%1&apos; of slideshow &apos;%2&apos; cannot be read any more. Please remove it or bring it back and try again.</source>
        <translation>Das Foto „%1“ der Diashow „%2“ kann nicht mehr gelesen werden. Bitte entfernen Sie es oder stellen Sie es wieder her und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Making the video files failed!</source>
        <translation>Die Videodateien konnten nicht erstellt werden!</translation>
    </message>
    <message>
        <source>Stopped!</source>
        <translation>Abgebrochen!</translation>
    </message>
    <message>
        <source>The computer will shut down in 1 second!
If you do not want it to shut down, press Cancel.</source>
        <translation>Der Computer wird in 1 Sekunde heruntergefahren!
Wenn Sie das nicht möchten, klicken Sie auf „Abbrechen“.</translation>
    </message>
    <message>
        <source>The computer will shut down in %1 seconds!
If you do not want it to shut down, press Cancel.</source>
        <translation>Der Computer wird in %1 Sekunden heruntergefahren!
Wenn Sie das nicht möchten, klicken Sie auf „Abbrechen“.</translation>
    </message>
    <message>
        <source>The computer cannot be shut down: the power service cannot be reached.</source>
        <translation>Der Computer kann nicht heruntergefahren werden: Der Energiedienst ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>The computer cannot be shut down: permission was refused.</source>
        <translation>Der Computer kann nicht heruntergefahren werden: Die Berechtigung wurde verweigert.</translation>
    </message>
    <message>
        <source>The project could not be saved, so the computer stays on.</source>
        <translation>Das Projekt konnte nicht gespeichert werden, deshalb bleibt der Computer eingeschaltet.</translation>
    </message>
    <message>
        <source>Relink Photo</source>
        <translation>Foto neu verknüpfen</translation>
    </message>
    <message>
        <source>Relink Photos</source>
        <translation>Fotos neu verknüpfen</translation>
    </message>
    <message>
        <source>1 photo could not be found: %1. It stays in the project and is left out of the videos until it is relinked.</source>
        <translation>1 Foto wurde nicht gefunden: %1. Es bleibt im Projekt und wird in den Videos ausgelassen, bis es neu verknüpft ist.</translation>
    </message>
    <message>
        <source>%1 photos could not be found: %2. They stay in the project and are left out of the videos until they are relinked.</source>
        <translation>%1 Fotos wurden nicht gefunden: %2. Sie bleiben im Projekt und werden in den Videos ausgelassen, bis sie neu verknüpft sind.</translation>
    </message>
    <message>
        <source>1 photo could not be found and is left out of the videos: %1</source>
        <translation>1 Foto wurde nicht gefunden und wird in den Videos ausgelassen: %1</translation>
    </message>
    <message>
        <source>%1 photos could not be found and are left out of the videos: %2</source>
        <translation>%1 Fotos wurden nicht gefunden und werden in den Videos ausgelassen: %2</translation>
    </message>
    <message>
        <source>This video was made but will not play on the PSP:

%1</source>
        <translation>Dieses Video wurde erstellt, läuft aber nicht auf der PSP:

%1</translation>
    </message>
    <message>
        <source>These videos were made but will not play on the PSP:

%1</source>
        <translation>Diese Videos wurden erstellt, laufen aber nicht auf der PSP:

%1</translation>
    </message>
    <message>
        <source>the PSP needs H.264 Baseline or Main profile, or MPEG-4 Simple Profile</source>
        <translation>die PSP braucht H.264 im Profil Baseline oder Main oder MPEG-4 Simple Profile</translation>
    </message>
    <message>
        <source>the PSP needs AAC-LC</source>
        <translation>die PSP braucht AAC-LC</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>the PSP needs an MP4 file of brand MSNV</source>
        <translation>die PSP braucht eine MP4-Datei der Marke MSNV</translation>
    </message>
    <message>
        <source>container</source>
        <translation>Container</translation>
    </message>
    <message>
        <source>the file %1</source>
        <translation>die Datei %1</translation>
    </message>
    <message>
        <source>MP4 of brand %1</source>
        <translation>MP4 der Marke %1</translation>
    </message>
    <message>
        <source>MP4 of brand %1 (compatible: %2)</source>
        <translation>MP4 der Marke %1 (kompatibel: %2)</translation>
    </message>
    <message>
        <source>video codec</source>
        <translation>Videocodec</translation>
    </message>
    <message>
        <source>H.264, but %1</source>
        <translation>H.264, aber %1</translation>
    </message>
    <message>
        <source>H.264 %1 profile</source>
        <translation>H.264 im Profil %1</translation>
    </message>
    <message>
        <source>level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>level %1</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>the PSP needs level 2.1 or lower</source>
        <translation>die PSP braucht Level 2.1 oder niedriger</translation>
    </message>
    <message>
        <source>reference frames</source>
        <translation>Referenzbilder</translation>
    </message>
    <message>
        <source>%1 reference frames</source>
        <translation>%1 Referenzbilder</translation>
    </message>
    <message>
        <source>the PSP needs 2 at most</source>
        <translation>die PSP erlaubt höchstens 2</translation>
    </message>
    <message>
        <source>slices</source>
        <translation>Slices</translation>
    </message>
    <message>
        <source>the PSP needs 1 slice a picture</source>
        <translation>die PSP braucht 1 Slice pro Bild</translation>
    </message>
    <message>
        <source>1 slice in the first picture</source>
        <translation>1 Slice im ersten Bild</translation>
    </message>
    <message>
        <source>%1 slices in the first picture</source>
        <translation>%1 Slices im ersten Bild</translation>
    </message>
    <message>
        <source>MPEG-4, but %1</source>
        <translation>MPEG-4, aber %1</translation>
    </message>
    <message>
        <source>frame size</source>
        <translation>Bildgröße</translation>
    </message>
    <message>
        <source>the PSP needs at most 480x272, both sides multiples of 16</source>
        <translation>die PSP braucht höchstens 480x272, beide Seiten Vielfache von 16</translation>
    </message>
    <message>
        <source>the PSP needs 29.97 frames a second or fewer</source>
        <translation>die PSP braucht höchstens 29,97 Bilder pro Sekunde</translation>
    </message>
    <message>
        <source>frame rate</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <source>no frame rate</source>
        <translation>keine Bildrate</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <translation>%1 fps</translation>
    </message>
    <message>
        <source>no video stream</source>
        <translation>kein Videostream</translation>
    </message>
    <message>
        <source>audio codec</source>
        <translation>Audiocodec</translation>
    </message>
    <message>
        <source>AAC without its configuration</source>
        <translation>AAC ohne seine Konfiguration</translation>
    </message>
    <message>
        <source>no audio stream</source>
        <translation>kein Audiostream</translation>
    </message>
    <message>
        <source>sample rate</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>the PSP needs 24000 or 48000 Hz</source>
        <translation>die PSP braucht 24000 oder 48000 Hz</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 Kanal</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 Kanäle</translation>
    </message>
    <message>
        <source>the PSP needs 2 (stereo)</source>
        <translation>die PSP braucht 2 (Stereo)</translation>
    </message>
    <message>
        <source>file size</source>
        <translation>Dateigröße</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Byte</translation>
    </message>
    <message>
        <source>the PSP&apos;s FAT32 memory stick holds files under 4 GB</source>
        <translation>der FAT32-Memory-Stick der PSP fasst nur Dateien unter 4 GB</translation>
    </message>
    <message>
        <source>the PSP needs a 160x120 baseline JPEG</source>
        <translation>die PSP braucht ein Baseline-JPEG mit 160x120</translation>
    </message>
    <message>
        <source>thumbnail</source>
        <translation>Vorschaubild</translation>
    </message>
    <message>
        <source>no %1</source>
        <translation>kein %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: %2x%3 baseline JPEG</source>
        <translation>%1: Baseline-JPEG mit %2x%3</translation>
    </message>
    <message>
        <source>%1: %2x%3 JPEG, not baseline</source>
        <translation>%1: JPEG mit %2x%3, nicht Baseline</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>keine Datei</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>the PSP needs a video file</source>
        <translation>die PSP braucht eine Videodatei</translation>
    </message>
    <message>
        <source>media</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>FFmpeg cannot read it: %1</source>
        <translation>FFmpeg kann sie nicht lesen: %1</translation>
    </message>
    <message>
        <source>the PSP needs a video with its streams readable</source>
        <translation>die PSP braucht ein Video mit lesbaren Streams</translation>
    </message>
    <message>
        <source>%1
- %2</source>
        <translation>%1
- %2</translation>
    </message>
    <message>
        <source>%1

%2</source>
        <translation>%1

%2</translation>
    </message>
    <message>
        <source>Change Caption</source>
        <translation>Bildunterschrift ändern</translation>
    </message>
    <message>
        <source>Change Automatic Caption</source>
        <translation>Automatische Bildunterschrift ändern</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Pictavo turns photos and music into slideshow videos for the PSP.</source>
        <translation>Pictavo macht aus Fotos und Musik Diashow-Videos für die PSP.</translation>
    </message>
    <message>
        <source>A project file (.prg) to open.</source>
        <translation>Eine Projektdatei (.prg), die geöffnet werden soll.</translation>
    </message>
    <message>
        <source>Pictavo is already running; its window was brought to the front.</source>
        <translation>Pictavo läuft bereits; sein Fenster wurde nach vorne geholt.</translation>
    </message>
    <message>
        <source>Pictavo is already running.</source>
        <translation>Pictavo läuft bereits.</translation>
    </message>
</context>
<context>
    <name>pictavo::AboutDialog</name>
    <message>
        <source>About Pictavo</source>
        <translation>Über Pictavo</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Slideshow videos of your photos and music for the PlayStation Portable.</source>
        <translation>Diashow-Videos aus Ihren Fotos und Ihrer Musik für die PlayStation Portable.</translation>
    </message>
</context>
<context>
    <name>pictavo::CapacityBar</name>
    <message>
        <source>Total: %1MB used:%2MB </source>
        <translation>Gesamt: %1 MB, belegt: %2 MB </translation>
    </message>
</context>
<context>
    <name>pictavo::CompletionDialog</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Mission accomplished!</source>
        <translation>Geschafft!</translation>
    </message>
    <message>
        <source>Output Folder:</source>
        <translation>Ausgabeordner:</translation>
    </message>
    <message>
        <source>Next step: connect the PSP to your computer with a USB cable, and then click the &quot;Transfer to PSP&quot; button.</source>
        <translation>Nächster Schritt: Schließen Sie die PSP mit einem USB-Kabel an den Computer an und klicken Sie dann auf „Auf die PSP übertragen“.</translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation>Ausgabeordner öffnen</translation>
    </message>
    <message>
        <source>Transfer to PSP</source>
        <translation>Auf die PSP übertragen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The videos and their cover pictures are ready for phones, tablets and TVs: copy them from the output folder.</source>
        <translation>Die Videos und ihre Titelbilder sind für Smartphones, Tablets und Fernseher bereit: Kopieren Sie sie aus dem Ausgabeordner.</translation>
    </message>
</context>
<context>
    <name>pictavo::EffectPage</name>
    <message>
        <source>Single effect apply</source>
        <translation>Bildeffekt anwenden</translation>
    </message>
    <message>
        <source>Apply to all images</source>
        <translation>Auf alle Bilder anwenden</translation>
    </message>
    <message>
        <source>Single Effect time apply</source>
        <translation>Anzeigedauer anwenden</translation>
    </message>
    <message>
        <source>Transition effect apply</source>
        <translation>Übergang anwenden</translation>
    </message>
    <message>
        <source>Transition effect time apply</source>
        <translation>Übergangsdauer anwenden</translation>
    </message>
    <message>
        <source>Effect:</source>
        <translation>Effekt:</translation>
    </message>
    <message>
        <source>Photo Duration:</source>
        <translation>Fotodauer:</translation>
    </message>
    <message>
        <source>Transition Settings...</source>
        <translation>Übergang einstellen...</translation>
    </message>
    <message>
        <source>Effect Duration:</source>
        <translation>Effektdauer:</translation>
    </message>
    <message>
        <source>Select an effect on the left to preview it</source>
        <translation>Wählen Sie links einen Effekt, um ihn in der Vorschau zu sehen</translation>
    </message>
    <message>
        <source>Apply to selected images</source>
        <translation>Auf ausgewählte Bilder anwenden</translation>
    </message>
    <message>
        <source>Apply to ...</source>
        <translation>Anwenden ...</translation>
    </message>
    <message>
        <source>No transition effect is selected in the list!</source>
        <translation>In der Liste ist kein Übergang ausgewählt!</translation>
    </message>
    <message>
        <source>Play from Here</source>
        <translation>Ab hier abspielen</translation>
    </message>
    <message>
        <source>Play the slideshow with its music from the selected photo on</source>
        <translation>Die Diashow mit ihrer Musik ab dem gewählten Foto abspielen</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Play the slideshow over the whole screen (F11)</source>
        <translation>Die Diashow im Vollbild abspielen (F11)</translation>
    </message>
    <message>
        <source>No automatic caption</source>
        <translation>Keine automatische Unterschrift</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Date taken</source>
        <translation>Aufnahmedatum</translation>
    </message>
    <message>
        <source>File name and date taken</source>
        <translation>Dateiname und Aufnahmedatum</translation>
    </message>
    <message>
        <source>The caption of the photos that have none typed for them</source>
        <translation>Die Bildunterschrift der Fotos, für die keine eingegeben ist</translation>
    </message>
    <message>
        <source>At the bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>At the top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Unterschrift:</translation>
    </message>
    <message>
        <source>Select photos to caption them</source>
        <translation>Fotos wählen, um sie zu beschriften</translation>
    </message>
    <message>
        <source>The automatic caption</source>
        <translation>Die automatische Unterschrift</translation>
    </message>
    <message>
        <source>Several captions</source>
        <translation>Mehrere Unterschriften</translation>
    </message>
    <message>
        <source>Automatic caption</source>
        <translation>Automatische Bildunterschrift</translation>
    </message>
    <message>
        <source>Place of the captions</source>
        <translation>Platz der Bildunterschriften</translation>
    </message>
</context>
<context>
    <name>pictavo::FileDialogs</name>
    <message>
        <source>Project Files</source>
        <translation>Projektdateien</translation>
    </message>
    <message>
        <source>Supported files</source>
        <translation>Unterstützte Dateien</translation>
    </message>
    <message>
        <source>BMP files</source>
        <translation>BMP-Dateien</translation>
    </message>
    <message>
        <source>GIF files</source>
        <translation>GIF-Dateien</translation>
    </message>
    <message>
        <source>JPG files</source>
        <translation>JPG-Dateien</translation>
    </message>
    <message>
        <source>PNG files</source>
        <translation>PNG-Dateien</translation>
    </message>
    <message>
        <source>TIF files</source>
        <translation>TIF-Dateien</translation>
    </message>
    <message>
        <source>Icon files</source>
        <translation>Symboldateien</translation>
    </message>
    <message>
        <source>WMF and EMF files</source>
        <translation>WMF- und EMF-Dateien</translation>
    </message>
    <message>
        <source>HEIC and WebP files</source>
        <translation>HEIC- und WebP-Dateien</translation>
    </message>
    <message>
        <source>Other picture files</source>
        <translation>Andere Bilddateien</translation>
    </message>
    <message>
        <source>All Supported Files</source>
        <translation>Alle unterstützten Dateien</translation>
    </message>
</context>
<context>
    <name>pictavo::FullScreenPreview</name>
    <message>
        <source>Slideshow Preview</source>
        <translation>Diashow-Vorschau</translation>
    </message>
</context>
<context>
    <name>pictavo::ImageLine</name>
    <message>
        <source>Image line effect</source>
        <translation>Bildleiste: Übergang</translation>
    </message>
    <message>
        <source>Image Line Image</source>
        <translation>Bildleiste: Bild</translation>
    </message>
    <message>
        <source>Edit transition duration</source>
        <translation>Übergangsdauer bearbeiten</translation>
    </message>
    <message>
        <source>Randomize transition effect</source>
        <translation>Übergang zufällig wählen</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Edit image duration</source>
        <translation>Anzeigedauer bearbeiten</translation>
    </message>
    <message>
        <source>Delete image</source>
        <translation>Bild löschen</translation>
    </message>
    <message>
        <source>Delete image effect (no Pan/Zoom/Rotate)</source>
        <translation>Bildeffekt entfernen (kein Schwenk/Zoom/Drehung)</translation>
    </message>
    <message>
        <source>Randomize image effect (Pan/Zoom/Rotate)</source>
        <translation>Bildeffekt zufällig wählen (Schwenk/Zoom/Drehung)</translation>
    </message>
    <message>
        <source>Index: %1   Image effect: %2</source>
        <translation>Nr.: %1   Bildeffekt: %2</translation>
    </message>
</context>
<context>
    <name>pictavo::ImportFolderDialog</name>
    <message>
        <source>Import photos from folder</source>
        <translation>Fotos aus Ordnern importieren</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alle abwählen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>pictavo::MainWindow</name>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Projekt öffnen</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Projekt speichern</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Help Manual</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation>Tipp des Tages</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisierung</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Pictavo</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Tips.txt</source>
        <comment>the tips of the day in the language: Tips_LL.txt</comment>
        <translation>Tips_de.txt</translation>
    </message>
</context>
<context>
    <name>pictavo::MissingPhotosDialog</name>
    <message>
        <source>Find in Folder...</source>
        <translation>In Ordner suchen...</translation>
    </message>
    <message>
        <source>Missing Photos</source>
        <translation>Fehlende Fotos</translation>
    </message>
    <message>
        <source>Missing photos</source>
        <translation>Fehlende Fotos</translation>
    </message>
    <message>
        <source>Every photo of the project is found.</source>
        <translation>Alle Fotos des Projekts sind gefunden.</translation>
    </message>
    <message>
        <source>1 photo of this project could not be found. It stays in the project and is left out of the videos until you find it: choose the folder it was moved to, and Pictavo looks for it in that folder and in the folders below it.</source>
        <translation>1 Foto dieses Projekts wurde nicht gefunden. Es bleibt im Projekt und wird in den Videos ausgelassen, bis Sie es finden: Wählen Sie den Ordner, in den es verschoben wurde, und Pictavo sucht es dort und in den Unterordnern.</translation>
    </message>
    <message>
        <source>%1 photos of this project could not be found. They stay in the project and are left out of the videos until you find them: choose the folder they were moved to, and Pictavo looks for them in that folder and in the folders below it.</source>
        <translation>%1 Fotos dieses Projekts wurden nicht gefunden. Sie bleiben im Projekt und werden in den Videos ausgelassen, bis Sie sie finden: Wählen Sie den Ordner, in den sie verschoben wurden, und Pictavo sucht sie dort und in den Unterordnern.</translation>
    </message>
    <message>
        <source>Choose the folder the photos were moved to</source>
        <translation>Ordner wählen, in den die Fotos verschoben wurden</translation>
    </message>
    <message>
        <source>Found %1 of %2 photos in %3.</source>
        <translation>%1 von %2 Fotos in %3 gefunden.</translation>
    </message>
</context>
<context>
    <name>pictavo::MusicList</name>
    <message>
        <source>Index</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Track Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Track Duration</source>
        <translation>Dauer</translation>
    </message>
</context>
<context>
    <name>pictavo::MusicPage</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add music files</source>
        <translation>Musikdateien hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Play Music</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Stop Music</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Fit to Music</source>
        <translation>An Musik anpassen</translation>
    </message>
    <message>
        <source>Fit the photos&apos; display times to the music</source>
        <translation>Die Anzeigedauer der Fotos an die Musik anpassen</translation>
    </message>
    <message>
        <source>Preview Slideshow</source>
        <translation>Diashow-Vorschau</translation>
    </message>
    <message>
        <source>Play slideshow preview</source>
        <translation>Vorschau der Diashow abspielen</translation>
    </message>
    <message>
        <source>Stop Preview</source>
        <translation>Vorschau stoppen</translation>
    </message>
    <message>
        <source>Stop slideshow preview</source>
        <translation>Vorschau der Diashow stoppen</translation>
    </message>
    <message>
        <source>%1 to %2 seconds</source>
        <translation>%1 bis %2 Sekunden</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 Sekunde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source>Every photo now shows for %1: the slideshow lasts %2, as long as the music.</source>
        <translation>Jedes Foto wird jetzt %1 lang angezeigt: Die Diashow dauert %2, so lange wie die Musik.</translation>
    </message>
    <message>
        <source>There are no photos or no music to fit!</source>
        <translation>Es gibt keine Fotos oder keine Musik, die angepasst werden können!</translation>
    </message>
    <message>
        <source>The music is too short: every photo now shows for the shortest time, and the slideshow still lasts longer than the music.</source>
        <translation>Die Musik ist zu kurz: Jedes Foto wird jetzt so kurz wie möglich angezeigt, und die Diashow dauert trotzdem länger als die Musik.</translation>
    </message>
    <message>
        <source>The music is too long: every photo now shows for the longest time, and the music is cut at the end.</source>
        <translation>Die Musik ist zu lang: Jedes Foto wird jetzt so lange wie möglich angezeigt, und die Musik wird am Ende abgeschnitten.</translation>
    </message>
    <message>
        <source>The music cannot be played (%1): %2.</source>
        <translation>Die Musik kann nicht abgespielt werden (%1): %2.</translation>
    </message>
</context>
<context>
    <name>pictavo::OrganizePhotoPage</name>
    <message>
        <source>Add Slideshow: Import Images from Folder</source>
        <translation>Diashow hinzufügen: Bilder aus Ordnern importieren</translation>
    </message>
    <message>
        <source>Add Slideshow: Add Picture Files</source>
        <translation>Diashow hinzufügen: Bilddateien auswählen</translation>
    </message>
    <message>
        <source>Delete Slideshow</source>
        <translation>Diashow löschen</translation>
    </message>
    <message>
        <source>Move Slideshow Up</source>
        <translation>Diashow nach oben verschieben</translation>
    </message>
    <message>
        <source>Move Slideshow Down</source>
        <translation>Diashow nach unten verschieben</translation>
    </message>
    <message>
        <source>Add Pictures</source>
        <translation>Bilder hinzufügen</translation>
    </message>
    <message>
        <source>Delete Pictures</source>
        <translation>Bilder löschen</translation>
    </message>
    <message>
        <source>Move Picture Up</source>
        <translation>Bild nach vorne verschieben</translation>
    </message>
    <message>
        <source>Move Picture Down</source>
        <translation>Bild nach hinten verschieben</translation>
    </message>
    <message>
        <source>Arrange Pictures</source>
        <translation>Bilder sortieren</translation>
    </message>
    <message>
        <source>Rotate Picture Left</source>
        <translation>Bild nach links drehen</translation>
    </message>
    <message>
        <source>Rotate Picture Right</source>
        <translation>Bild nach rechts drehen</translation>
    </message>
    <message>
        <source>Edit Picture</source>
        <translation>Bild bearbeiten</translation>
    </message>
    <message>
        <source>Display Mode</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Show or Hide File Names</source>
        <translation>Dateinamen ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Total Duration: %1</source>
        <translation>Gesamtdauer: %1</translation>
    </message>
    <message>
        <source>Please add a slideshow here!</source>
        <translation>Bitte fügen Sie hier eine Diashow hinzu!</translation>
    </message>
    <message>
        <source>Ascending by Name</source>
        <translation>Nach Name aufsteigend</translation>
    </message>
    <message>
        <source>Descending by Name</source>
        <translation>Nach Name absteigend</translation>
    </message>
    <message>
        <source>Ascending by Date</source>
        <translation>Nach Datum aufsteigend</translation>
    </message>
    <message>
        <source>Descending by Date</source>
        <translation>Nach Datum absteigend</translation>
    </message>
    <message>
        <source>Large Thumbnails</source>
        <translation>Große Miniaturen</translation>
    </message>
    <message>
        <source>Detail List</source>
        <translation>Detailliste</translation>
    </message>
    <message>
        <source>Thumbnail Size</source>
        <translation>Miniaturgröße</translation>
    </message>
    <message>
        <source>Thumbnail popup</source>
        <translation>Miniaturmenü</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Reset image effect (no Pan/Zoom/Rotate)</source>
        <translation>Bildeffekt zurücksetzen (kein Schwenk/Zoom/Drehung)</translation>
    </message>
    <message>
        <source>Randomize image effect (Pan/Zoom/Rotate)</source>
        <translation>Bildeffekt zufällig wählen (Schwenk/Zoom/Drehung)</translation>
    </message>
    <message>
        <source>Randomize transition effect</source>
        <translation>Übergang zufällig wählen</translation>
    </message>
    <message>
        <source>Set as menu thumbnail</source>
        <translation>Als Menü-Miniatur festlegen</translation>
    </message>
    <message>
        <source>Rotation done!</source>
        <translation>Drehung abgeschlossen!</translation>
    </message>
</context>
<context>
    <name>pictavo::PhotoDetailList</name>
    <message>
        <source>C</source>
        <comment>the locale whose month names the dates show</comment>
        <translation>de_DE</translation>
    </message>
    <message>
        <source>MMMM dd HH:mm:ss</source>
        <comment>the form of the dates</comment>
        <translation>dd. MMMM HH:mm:ss</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Transition Effect</source>
        <translation>Übergang</translation>
    </message>
    <message>
        <source>Image Effect</source>
        <translation>Bildeffekt</translation>
    </message>
    <message>
        <source>%1 sec.</source>
        <translation>%1 Sek.</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>Nicht gefunden: %1</translation>
    </message>
</context>
<context>
    <name>pictavo::PictureAdjustPage</name>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source>Soften</source>
        <translation>Weichzeichnen</translation>
    </message>
    <message>
        <source>Sharpen</source>
        <translation>Schärfen</translation>
    </message>
</context>
<context>
    <name>pictavo::PictureCanvas</name>
    <message>
        <source>Enter your text here</source>
        <translation>Geben Sie hier Ihren Text ein</translation>
    </message>
</context>
<context>
    <name>pictavo::PictureDecorationPage</name>
    <message>
        <source>Animal</source>
        <translation>Tiere</translation>
    </message>
    <message>
        <source>Dress</source>
        <translation>Kleidung</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Gesichter</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Kind of picture</source>
        <translation>Art der Grafik</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Grafik einfügen</translation>
    </message>
    <message>
        <source>Delete Picture</source>
        <translation>Grafik löschen</translation>
    </message>
</context>
<context>
    <name>pictavo::PictureEditorDialog</name>
    <message>
        <source>Modify</source>
        <translation>Bild bearbeiten</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Previous Picture</source>
        <translation>Vorheriges Bild</translation>
    </message>
    <message>
        <source>Next Picture</source>
        <translation>Nächstes Bild</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Umformen</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>Adjust</source>
        <translation>Anpassen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cannot load the file %1</source>
        <translation>Die Datei %1 kann nicht geladen werden</translation>
    </message>
    <message>
        <source>Cannot save the file %1</source>
        <translation>Die Datei %1 kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>This is the first picture!</source>
        <translation>Dies ist das erste Bild!</translation>
    </message>
    <message>
        <source>This is the last picture!</source>
        <translation>Dies ist das letzte Bild!</translation>
    </message>
    <message>
        <source>Do you want to save the changes to this picture?</source>
        <translation>Möchten Sie die Änderungen an diesem Bild speichern?</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>Frage</translation>
    </message>
</context>
<context>
    <name>pictavo::PictureTextPage</name>
    <message>
        <source>Ordinary Text</source>
        <translation>Normaler Text</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
</context>
<context>
    <name>pictavo::PictureTransformPage</name>
    <message>
        <source>TV&apos;s Screen Ratio</source>
        <translation>Seitenverhältnis des Fernsehers</translation>
    </message>
    <message>
        <source>Rotate 180°</source>
        <translation>Um 180° drehen</translation>
    </message>
    <message>
        <source>Flip upside down</source>
        <translation>Auf den Kopf stellen</translation>
    </message>
    <message>
        <source>Mirror left to right</source>
        <translation>Horizontal spiegeln</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Zuschneiden</translation>
    </message>
</context>
<context>
    <name>pictavo::ProducePage</name>
    <message>
        <source>Create Video Files</source>
        <translation>Videodateien erstellen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Make Video Files</source>
        <translation>Videodateien neu erstellen</translation>
    </message>
    <message>
        <source>Main progress:</source>
        <translation>Gesamtfortschritt:</translation>
    </message>
    <message>
        <source>Making Video Files...</source>
        <translation>Videodateien werden erstellt...</translation>
    </message>
    <message>
        <source>Ready to start</source>
        <translation>Bereit zum Start</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>Working Folder:</source>
        <translation>Arbeitsordner:</translation>
    </message>
    <message>
        <source>Advanced Settings:</source>
        <translation>Erweiterte Einstellungen:</translation>
    </message>
    <message>
        <source>Total progress:</source>
        <translation>Gesamtfortschritt:</translation>
    </message>
    <message>
        <source>Shut down the computer when the videos are done</source>
        <translation>Computer herunterfahren, wenn die Videos fertig sind</translation>
    </message>
    <message>
        <source>PSP File Manager</source>
        <translation>PSP-Dateimanager</translation>
    </message>
    <message>
        <source>%1: %2 MB free</source>
        <translation>%1: %2 MB frei</translation>
    </message>
    <message>
        <source>Please select a destination folder</source>
        <translation>Bitte wählen Sie einen Zielordner</translation>
    </message>
    <message>
        <source>This profile makes videos for phones, tablets and TVs, not for the PSP. Choose a PSP profile to make videos to copy to the PSP.</source>
        <translation>Dieses Profil erstellt Videos für Smartphones, Tablets und Fernseher, nicht für die PSP. Wählen Sie ein PSP-Profil, um Videos für die PSP zu erstellen.</translation>
    </message>
</context>
<context>
    <name>pictavo::ProfileSettingsList</name>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>Videocodec</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videogröße</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Videobitrate</translation>
    </message>
    <message>
        <source>Video Frame Rate</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation>Audiocodec</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>Audiobitrate</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>Audio Channel</source>
        <translation>Audiokanäle</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Eigenschaft</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
</context>
<context>
    <name>pictavo::ProjectCommands</name>
    <message>
        <source>Query</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Do you want to save this project?</source>
        <translation>Möchten Sie dieses Projekt speichern?</translation>
    </message>
    <message>
        <source>Do you want to stop making the videos?</source>
        <translation>Möchten Sie das Erstellen der Videos abbrechen?</translation>
    </message>
    <message>
        <source>Do you want to quit?</source>
        <translation>Möchten Sie Pictavo beenden?</translation>
    </message>
</context>
<context>
    <name>pictavo::ProjectTree</name>
    <message>
        <source>Images: %1
Duration: %2</source>
        <translation>Bilder: %1
Dauer: %2</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Projekt speichern</translation>
    </message>
    <message>
        <source>Load Project</source>
        <translation>Projekt laden</translation>
    </message>
    <message>
        <source>Add Slideshow</source>
        <translation>Diashow hinzufügen</translation>
    </message>
    <message>
        <source>Delete All Slideshows</source>
        <translation>Alle Diashows löschen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Video Disc</source>
        <translation>Video-Disc</translation>
    </message>
    <message>
        <source>Slideshow Info</source>
        <translation>Diashow-Info</translation>
    </message>
    <message>
        <source>Slideshows: %1</source>
        <translation>Diashows: %1</translation>
    </message>
</context>
<context>
    <name>pictavo::ProjectTreePage</name>
    <message>
        <source>Query</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Do you really want to delete this slideshow?</source>
        <translation>Möchten Sie diese Diashow wirklich löschen?</translation>
    </message>
    <message>
        <source>Do you really want to delete all slideshows?</source>
        <translation>Möchten Sie wirklich alle Diashows löschen?</translation>
    </message>
</context>
<context>
    <name>pictavo::PspFileManagerDialog</name>
    <message>
        <source>Copied 1 file to %1.</source>
        <translation>1 Datei nach %1 kopiert.</translation>
    </message>
    <message>
        <source>Copied %1 files to %2.</source>
        <translation>%1 Dateien nach %2 kopiert.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 nach %2</translation>
    </message>
    <message>
        <source>Copied %1 files: %2.</source>
        <translation>%1 Dateien kopiert: %2.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Copy Files to PSP</source>
        <translation>Dateien auf die PSP kopieren</translation>
    </message>
    <message>
        <source>Select video folder</source>
        <translation>Videoordner wählen</translation>
    </message>
    <message>
        <source>Copy selected files to PSP</source>
        <translation>Ausgewählte Dateien auf die PSP kopieren</translation>
    </message>
    <message>
        <source>Copy selected files to computer</source>
        <translation>Ausgewählte Dateien auf den Computer kopieren</translation>
    </message>
    <message>
        <source>Detect PSP connection</source>
        <translation>PSP-Verbindung erkennen</translation>
    </message>
    <message>
        <source>Name files for the PSP</source>
        <translation>Dateien für die PSP benennen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Video folder:</source>
        <translation>Videoordner:</translation>
    </message>
    <message>
        <source>PSP Video Folder:</source>
        <translation>PSP-Videoordner:</translation>
    </message>
    <message>
        <source>Detection result:</source>
        <translation>Erkennungsergebnis:</translation>
    </message>
    <message>
        <source>Select output folder</source>
        <translation>Ausgabeordner wählen</translation>
    </message>
    <message>
        <source>%1 (will not play)</source>
        <translation>%1 (nicht abspielbar)</translation>
    </message>
    <message>
        <source>This video will not play on the PSP:

%1

Copy it anyway?</source>
        <translation>Dieses Video läuft nicht auf der PSP:

%1

Trotzdem kopieren?</translation>
    </message>
    <message>
        <source>These videos will not play on the PSP:

%1

Copy them anyway?</source>
        <translation>Diese Videos laufen nicht auf der PSP:

%1

Trotzdem kopieren?</translation>
    </message>
</context>
<context>
    <name>pictavo::SettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>pictavo::SettingsNormalPage</name>
    <message>
        <source>Output Folder:</source>
        <translation>Ausgabeordner:</translation>
    </message>
    <message>
        <source>TV&apos;s Screen Ratio</source>
        <translation>Seitenverhältnis des Fernsehers</translation>
    </message>
    <message>
        <source>Please select a destination folder</source>
        <translation>Bitte wählen Sie einen Zielordner</translation>
    </message>
</context>
<context>
    <name>pictavo::SettingsOptionPage</name>
    <message>
        <source>Loop audio</source>
        <translation>Musik wiederholen</translation>
    </message>
    <message>
        <source>Random Transition Effect</source>
        <translation>Zufälliger Übergang</translation>
    </message>
    <message>
        <source>Random Image Effect</source>
        <translation>Zufälliger Bildeffekt</translation>
    </message>
    <message>
        <source>Blurred Photo Background</source>
        <translation>Unscharfer Fotohintergrund</translation>
    </message>
    <message>
        <source>Fills the bars beside portrait photos with a blurred copy of the photo</source>
        <translation>Füllt die Balken neben Hochformatfotos mit einer unscharfen Kopie des Fotos</translation>
    </message>
    <message>
        <source>Fade Out Music at the End</source>
        <translation>Musik am Ende ausblenden</translation>
    </message>
    <message>
        <source>Fades the music out over the last 3 seconds of each video</source>
        <translation>Blendet die Musik in den letzten 3 Sekunden jedes Videos aus</translation>
    </message>
    <message>
        <source>Photo Duration:</source>
        <translation>Fotodauer:</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Transition Duration:</source>
        <translation>Übergangsdauer:</translation>
    </message>
</context>
<context>
    <name>pictavo::StepTabBar</name>
    <message>
        <source>Organize Photo</source>
        <translation>Fotos ordnen</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Effekte</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Produce</source>
        <translation>Erstellen</translation>
    </message>
</context>
<context>
    <name>pictavo::TipOfTheDayDialog</name>
    <message>
        <source>Tip of the Day</source>
        <translation>Tipp des Tages</translation>
    </message>
    <message>
        <source>&amp;Show tips at startup</source>
        <translation>Tipps beim Start &amp;anzeigen</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Nächster Tipp</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>The tips file is missing from the program folder</source>
        <translation>Die Tippdatei fehlt im Programmordner</translation>
    </message>
    <message>
        <source>Trouble reading the tips file</source>
        <translation>Die Tippdatei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The tips file holds no tips</source>
        <translation>Die Tippdatei enthält keine Tipps</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>Wussten Sie schon ...</translation>
    </message>
    <message>
        <source>Oops!</source>
        <translation>Hoppla!</translation>
    </message>
</context>
<context>
    <name>pictavo::TransitionParameterBox</name>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fade to white</source>
        <translation>Über Weiß</translation>
    </message>
    <message>
        <source>Fade to black</source>
        <translation>Über Schwarz</translation>
    </message>
    <message>
        <source>Left to right</source>
        <translation>Von links nach rechts</translation>
    </message>
    <message>
        <source>Right to left</source>
        <translation>Von rechts nach links</translation>
    </message>
    <message>
        <source>Small to big</source>
        <translation>Von klein nach groß</translation>
    </message>
    <message>
        <source>Big to small</source>
        <translation>Von groß nach klein</translation>
    </message>
    <message>
        <source>1 Finger</source>
        <translation>1 Zeiger</translation>
    </message>
    <message>
        <source>2 Fingers</source>
        <translation>2 Zeiger</translation>
    </message>
    <message>
        <source>4 Fingers</source>
        <translation>4 Zeiger</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Bottom to top</source>
        <translation>Von unten nach oben</translation>
    </message>
    <message>
        <source>Top to bottom</source>
        <translation>Von oben nach unten</translation>
    </message>
    <message>
        <source>Open door</source>
        <translation>Tür öffnen</translation>
    </message>
    <message>
        <source>Close door</source>
        <translation>Tür schließen</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Fly in</source>
        <translation>Hereinfliegen</translation>
    </message>
    <message>
        <source>Fly out</source>
        <translation>Hinausfliegen</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Im Uhrzeigersinn</translation>
    </message>
    <message>
        <source>Anticlockwise</source>
        <translation>Gegen den Uhrzeigersinn</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Einzoomen</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Auszoomen</translation>
    </message>
</context>
<context>
    <name>pictavo::TransitionSettingDialog</name>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Transition Alpha Setting</source>
        <translation>Einstellungen: Blende</translation>
    </message>
    <message>
        <source>Transition Accordion Setting</source>
        <translation>Einstellungen: Akkordeon</translation>
    </message>
    <message>
        <source>Transition Blinds Setting</source>
        <translation>Einstellungen: Jalousie</translation>
    </message>
    <message>
        <source>Transition Circle Setting</source>
        <translation>Einstellungen: Kreis</translation>
    </message>
    <message>
        <source>Transition Clock Setting</source>
        <translation>Einstellungen: Uhr</translation>
    </message>
    <message>
        <source>Transition Cube Fly Setting</source>
        <translation>Einstellungen: Würfelflug</translation>
    </message>
    <message>
        <source>Transition Diagonal Sweep Setting</source>
        <translation>Einstellungen: Diagonale Blende</translation>
    </message>
    <message>
        <source>Transition Door Setting</source>
        <translation>Einstellungen: Tür</translation>
    </message>
    <message>
        <source>Transition Flip Setting</source>
        <translation>Einstellungen: Umklappen</translation>
    </message>
    <message>
        <source>Transition Fly Setting</source>
        <translation>Einstellungen: Flug</translation>
    </message>
    <message>
        <source>Transition Polygon Setting</source>
        <translation>Einstellungen: Vieleck</translation>
    </message>
    <message>
        <source>Transition Rotate Setting</source>
        <translation>Einstellungen: Hineindrehen</translation>
    </message>
    <message>
        <source>Transition Shutter Setting</source>
        <translation>Einstellungen: Rollladen</translation>
    </message>
    <message>
        <source>Transition Spin Setting</source>
        <translation>Einstellungen: Wirbel</translation>
    </message>
    <message>
        <source>Transition Sweep Setting</source>
        <translation>Einstellungen: Weiche Blende</translation>
    </message>
    <message>
        <source>Transition Twist Setting</source>
        <translation>Einstellungen: Verdrehen</translation>
    </message>
    <message>
        <source>Transition Wipe Setting</source>
        <translation>Einstellungen: Wischblende</translation>
    </message>
    <message>
        <source>Transition Zoom Setting</source>
        <translation>Einstellungen: Zoom</translation>
    </message>
</context>
</TS>
