<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ArchivePane</name>
    <message>
        <source>Disk:</source>
        <translation>Laufwerk:</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Search the disk for pictures again</source>
        <translation>Laufwerk erneut nach Bildern durchsuchen</translation>
    </message>
    <message>
        <source>No disk</source>
        <translation>Kein Laufwerk</translation>
    </message>
    <message>
        <source>Double-click a picture to open it.</source>
        <translation>Doppelklicken Sie auf ein Bild, um es zu öffnen.</translation>
    </message>
    <message>
        <source>Searching for pictures...</source>
        <translation>Bilder werden gesucht...</translation>
    </message>
    <message>
        <source>Searching for pictures... %1 found</source>
        <translation>Bilder werden gesucht... %1 gefunden</translation>
    </message>
    <message>
        <source>No pictures found</source>
        <translation>Keine Bilder gefunden</translation>
    </message>
    <message>
        <source>Pictures: %1 (search stopped early)</source>
        <translation>Bilder: %1 (Suche vorzeitig beendet)</translation>
    </message>
    <message>
        <source>Pictures: %1</source>
        <translation>Bilder: %1</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>%1 wird geöffnet...</translation>
    </message>
    <message>
        <source>Cannot show this picture.</source>
        <translation>Dieses Bild kann nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>%1 x %2 pixels, %3</source>
        <translation>%1 x %2 Pixel, %3</translation>
    </message>
    <message>
        <source>Cannot open %1: it could not be read as a PNG, JPEG or BMP picture.</source>
        <translation>%1 kann nicht geöffnet werden: Die Datei ließ sich nicht als PNG-, JPEG- oder BMP-Bild lesen.</translation>
    </message>
    <message>
        <source>Cannot open %1: it is not on the camera&apos;s disk.</source>
        <translation>%1 kann nicht geöffnet werden: Die Datei liegt nicht auf dem Datenträger der Kamera.</translation>
    </message>
    <message>
        <source>Cannot open %1: the file is no longer there.</source>
        <translation>%1 kann nicht geöffnet werden: Die Datei ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>Cannot open %1: the file is too large.</source>
        <translation>%1 kann nicht geöffnet werden: Die Datei ist zu groß.</translation>
    </message>
</context>
<context>
    <name>BlockExplorer</name>
    <message>
        <source>Maximum level</source>
        <translation>Höchste Stufe</translation>
    </message>
    <message>
        <source>Minimum level</source>
        <translation>Niedrigste Stufe</translation>
    </message>
    <message>
        <source>Mean level</source>
        <translation>Mittlere Stufe</translation>
    </message>
    <message>
        <source>Block Explorer</source>
        <translation>Block-Explorer</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Faktor</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Summand</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Correlation</source>
        <translation>Korrelation</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Find Candidates</source>
        <translation>Kandidaten suchen</translation>
    </message>
    <message>
        <source>Search the kept frames for the bytes that follow the picture&apos;s levels best</source>
        <translation>Sucht in den behaltenen Bildern die Bytes, die den Stufen des Bildes am besten folgen</translation>
    </message>
    <message>
        <source>r</source>
        <translation>r</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Scale low</source>
        <translation>Skala unten</translation>
    </message>
    <message>
        <source>Scale high</source>
        <translation>Skala oben</translation>
    </message>
    <message>
        <source>Frame counter</source>
        <translation>Bildzähler</translation>
    </message>
    <message>
        <source>Add as Field</source>
        <translation>Als Feld hinzufügen</translation>
    </message>
    <message>
        <source>as the type</source>
        <translation>wie der Typ</translation>
    </message>
    <message>
        <source> bytes</source>
        <translation> Bytes</translation>
    </message>
    <message>
        <source>Add as Proof</source>
        <translation>Als Nachweis hinzufügen</translation>
    </message>
    <message>
        <source>The selected bytes as they stand in the current frame prove the profile</source>
        <translation>Die gewählten Bytes, wie sie im aktuellen Bild stehen, weisen das Profil nach</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Profil speichern</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Proof</source>
        <translation>Nachweis</translation>
    </message>
    <message>
        <source>Holds</source>
        <translation>Enthält</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Messwerte</translation>
    </message>
    <message>
        <source>Candidates</source>
        <translation>Kandidaten</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Frames of %1</source>
        <translation>Bilder von %1</translation>
    </message>
    <message>
        <source>Open a live or playback pane: its frames are explored here.</source>
        <translation>Öffnen Sie eine Live- oder Wiedergabeansicht: Ihre Bilder werden hier durchsucht.</translation>
    </message>
    <message>
        <source>%1 (raw %2)</source>
        <translation>%1 (roh %2)</translation>
    </message>
    <message>
        <source>The selection leaves the camera&apos;s bytes: it is not followed over frames.</source>
        <translation>Die Auswahl reicht über die Bytes der Kamera hinaus: Sie wird nicht über die Bilder verfolgt.</translation>
    </message>
    <message>
        <source>r with the maximum level %1, the minimum level %2, the mean level %3</source>
        <translation>r mit der höchsten Stufe %1, der niedrigsten Stufe %2, der mittleren Stufe %3</translation>
    </message>
    <message>
        <source>Searching %1 frames...</source>
        <translation>%1 Bilder werden durchsucht...</translation>
    </message>
    <message>
        <source>No byte follows the levels: the levels or the bytes kept no change.</source>
        <translation>Kein Byte folgt den Stufen: Die Stufen oder die Bytes blieben unverändert.</translation>
    </message>
    <message>
        <source>A proof is taken from the current frame: no frame has come yet.</source>
        <translation>Ein Nachweis wird dem aktuellen Bild entnommen: Es ist noch kein Bild gekommen.</translation>
    </message>
    <message>
        <source>%1: %2 at %3, x %4 + %5</source>
        <translation>%1: %2 bei %3, × %4 + %5</translation>
    </message>
    <message>
        <source>proof: bytes %1 at %2</source>
        <translation>Nachweis: Bytes %1 bei %2</translation>
    </message>
    <message>
        <source>No frame yet.</source>
        <translation>Noch kein Bild.</translation>
    </message>
    <message>
        <source>Max %1, Min %2, Centre %3</source>
        <translation>Max. %1, Min. %2, Mitte %3</translation>
    </message>
    <message>
        <source>Without a proof camdesk never takes this profile for a frame.</source>
        <translation>Ohne Nachweis verwendet camdesk dieses Profil für kein Bild.</translation>
    </message>
    <message>
        <source>The proof does not hold for this frame: the readings box shows none of this.</source>
        <translation>Der Nachweis trifft auf dieses Bild nicht zu: Das Messwertfeld zeigt nichts davon.</translation>
    </message>
    <message>
        <source>Give the profile a name before saving it.</source>
        <translation>Geben Sie dem Profil vor dem Speichern einen Namen.</translation>
    </message>
    <message>
        <source>The profile cannot be saved: %1</source>
        <translation>Das Profil kann nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The profile cannot be written to %1: %2</source>
        <translation>Das Profil kann nicht nach %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Gespeichert unter %1</translation>
    </message>
    <message>
        <source>%1 °C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>Layout: %1</source>
        <translation>Layout: %1</translation>
    </message>
</context>
<context>
    <name>BlockModel</name>
    <message>
        <source>Offset %1: 0x%2 (%3), changed %4 times in the last %5 frames</source>
        <translation>Offset %1: 0x%2 (%3), in den letzten %5 Bildern %4-mal geändert</translation>
    </message>
</context>
<context>
    <name>ChildPane</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
</context>
<context>
    <name>FrameView</name>
    <message>
        <source>%1 °C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>The frame holds no temperatures in a known layout.</source>
        <translation>Das Bild enthält keine Temperaturen in einem bekannten Format.</translation>
    </message>
    <message>
        <source>--</source>
        <translation>--</translation>
    </message>
    <message>
        <source>Spot</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>Click the picture to place a spot (up to 8)</source>
        <translation>Ins Bild klicken, um einen Punkt zu setzen (bis zu 8)</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>Drag on the picture to place a box (up to 4)</source>
        <translation>Im Bild ziehen, um einen Bereich zu setzen (bis zu 4)</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Drag on the picture to draw the line of a profile</source>
        <translation>Im Bild ziehen, um die Linie eines Profils zu zeichnen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Remove every spot, box and line</source>
        <translation>Alle Punkte, Bereiche und Linien entfernen</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Histogramm</translation>
    </message>
    <message>
        <source>Show the levels&apos; histogram</source>
        <translation>Das Histogramm der Stufen anzeigen</translation>
    </message>
    <message>
        <source>Hold scale</source>
        <translation>Skala festhalten</translation>
    </message>
    <message>
        <source>Keep the colours fixed while the camera re-ranges</source>
        <translation>Die Farben festhalten, während die Kamera ihren Bereich ändert</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Glätten</translation>
    </message>
    <message>
        <source>Enlarge smoothly instead of by whole pixels</source>
        <translation>Weich vergrößern statt in ganzen Pixeln</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Turn the picture a quarter clockwise</source>
        <translation>Das Bild eine Vierteldrehung im Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Spiegeln</translation>
    </message>
    <message>
        <source>Mirror the picture left to right</source>
        <translation>Das Bild von links nach rechts spiegeln</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Messwerte</translation>
    </message>
    <message>
        <source>Layout:</source>
        <translation>Layout:</translation>
    </message>
    <message>
        <source>Max:</source>
        <translation>Maximum:</translation>
    </message>
    <message>
        <source>Min:</source>
        <translation>Minimum:</translation>
    </message>
    <message>
        <source>Centre:</source>
        <translation>Mitte:</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Messungen im Bild</translation>
    </message>
    <message>
        <source>No markers: choose Spot, Box or Line and use the picture.</source>
        <translation>Keine Markierungen: Wählen Sie Punkt, Bereich oder Linie und arbeiten Sie im Bild.</translation>
    </message>
    <message>
        <source>hot</source>
        <translation>heiß</translation>
    </message>
    <message>
        <source>cold</source>
        <translation>kalt</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>S%1: %2</source>
        <translation>P%1: %2</translation>
    </message>
    <message>
        <source>S%1 %2</source>
        <translation>P%1 %2</translation>
    </message>
    <message>
        <source>B%1: min %2, max %3, mean %4</source>
        <translation>B%1: Min. %2, Max. %3, Mittel %4</translation>
    </message>
    <message>
        <source>B%1</source>
        <translation>B%1</translation>
    </message>
    <message>
        <source>Line: %1 pixels, min %2, max %3</source>
        <translation>Linie: %1 Pixel, Min. %2, Max. %3</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>No picture data in this frame.</source>
        <translation>Dieses Bild enthält keine Bilddaten.</translation>
    </message>
    <message>
        <source>Levels (0-255) and temperatures from %1:</source>
        <translation>Stufen (0-255) und Temperaturen aus %1:</translation>
    </message>
    <message>
        <source>Levels (0-255); no temperatures in this frame.</source>
        <translation>Stufen (0-255); keine Temperaturen in diesem Bild.</translation>
    </message>
    <message>
        <source>Held scale, from %1:</source>
        <translation>Festgehaltene Skala, aus %1:</translation>
    </message>
    <message>
        <source>the layout held</source>
        <translation>dem festgehaltenen Layout</translation>
    </message>
    <message>
        <source>Held level window (drag the handles on the colour scale):</source>
        <translation>Festgehaltenes Stufenfenster (die Griffe an der Farbskala ziehen):</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Zeit: %1</translation>
    </message>
    <message>
        <source>Layout: %1</source>
        <translation>Layout: %1</translation>
    </message>
    <message>
        <source>Max: %1   Min: %2   Centre: %3</source>
        <translation>Maximum: %1   Minimum: %2   Mitte: %3</translation>
    </message>
    <message>
        <source>Turned: %1</source>
        <translation>Drehung: %1</translation>
    </message>
    <message>
        <source>Held scale: %1 to %2, from %3</source>
        <translation>Festgehaltene Skala: %1 bis %2, aus %3</translation>
    </message>
    <message>
        <source>Held level window: %1 to %2</source>
        <translation>Festgehaltenes Stufenfenster: %1 bis %2</translation>
    </message>
    <message>
        <source>There are no levels to save: the picture came without its frame.</source>
        <translation>Keine Stufen zum Speichern: Das Bild kam ohne seinen Datensatz.</translation>
    </message>
</context>
<context>
    <name>LayoutsDialog</name>
    <message>
        <source>Layout Profiles</source>
        <translation>Layout-Profile</translation>
    </message>
    <message>
        <source>camdesk shows temperatures only from frames that one of these profiles proves. Your own profiles go in %1.</source>
        <translation>camdesk zeigt Temperaturen nur aus Bildern, die eines dieser Profile belegt. Eigene Profile gehören nach %1.</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>%1 (no proof: not used)</source>
        <translation>%1 (ohne Nachweis: nicht verwendet)</translation>
    </message>
    <message>
        <source>built in</source>
        <translation>eingebaut</translation>
    </message>
    <message>
        <source>Ignored: %1</source>
        <translation>Ignoriert: %1</translation>
    </message>
</context>
<context>
    <name>LensFeed</name>
    <message>
        <source>Choose Camera</source>
        <translation>Kamera auswählen</translation>
    </message>
    <message>
        <source>Cameras:</source>
        <translation>Kameras:</translation>
    </message>
    <message>
        <source>Data stream was failed,the application will be close.</source>
        <translation>Der Datenstrom der Kamera ist ausgefallen. Die Verbindung zur Kamera wird getrennt.</translation>
    </message>
</context>
<context>
    <name>LevelChart</name>
    <message>
        <source>level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>This build of camdesk has no charts.</source>
        <translation>Diese Version von camdesk hat keine Diagramme.</translation>
    </message>
    <message>
        <source>along the line</source>
        <translation>entlang der Linie</translation>
    </message>
</context>
<context>
    <name>LivePane</name>
    <message>
        <source>Waiting for the camera...</source>
        <translation>Warten auf die Kamera...</translation>
    </message>
    <message>
        <source>--</source>
        <translation>--</translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation>Bildrate:</translation>
    </message>
    <message>
        <source>Frames shown:</source>
        <translation>Angezeigte Bilder:</translation>
    </message>
    <message>
        <source>Silence</source>
        <translation>Stummschalten</translation>
    </message>
    <message>
        <source>Stop the alarm sound</source>
        <translation>Alarmton ausschalten</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Enable alarm</source>
        <translation>Alarm aktivieren</translation>
    </message>
    <message>
        <source>Alarm above high limit</source>
        <translation>Alarm über dem oberen Grenzwert</translation>
    </message>
    <message>
        <source>Alarm below low limit</source>
        <translation>Alarm unter dem unteren Grenzwert</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Write alarm log</source>
        <translation>Alarmprotokoll schreiben</translation>
    </message>
    <message>
        <source>Camera settings</source>
        <translation>Kameraeinstellungen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Send these settings to the camera</source>
        <translation>Diese Einstellungen an die Kamera senden</translation>
    </message>
    <message>
        <source>High limit:</source>
        <translation>Oberer Grenzwert:</translation>
    </message>
    <message>
        <source>Low limit:</source>
        <translation>Unterer Grenzwert:</translation>
    </message>
    <message>
        <source>Emissivity:</source>
        <translation>Emissionsgrad:</translation>
    </message>
    <message>
        <source>Alarm off</source>
        <translation>Alarm aus</translation>
    </message>
    <message>
        <source>No alarm</source>
        <translation>Kein Alarm</translation>
    </message>
    <message>
        <source>ALARM: too hot and too cold</source>
        <translation>ALARM: zu heiß und zu kalt</translation>
    </message>
    <message>
        <source>ALARM: too hot</source>
        <translation>ALARM: zu heiß</translation>
    </message>
    <message>
        <source>ALARM: too cold</source>
        <translation>ALARM: zu kalt</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <translation>%1 fps</translation>
    </message>
    <message>
        <source>No temperatures to watch</source>
        <translation>Keine Temperaturen zu überwachen</translation>
    </message>
    <message>
        <source>The camera reports no temperatures in a known layout.</source>
        <translation>Die Kamera meldet keine Temperaturen in einem bekannten Format.</translation>
    </message>
    <message>
        <source>No history folder is set; choose one in File &gt; Option.</source>
        <translation>Kein Ordner für Verlaufsdateien festgelegt; wählen Sie einen unter Datei &gt; Optionen.</translation>
    </message>
    <message>
        <source>The history folder %1 cannot be created.</source>
        <translation>Der Ordner für Verlaufsdateien %1 kann nicht erstellt werden.</translation>
    </message>
    <message>
        <source>A layout profile without proof, for a camera whose frames no profile proves</source>
        <translation>Ein Layout-Profil ohne Nachweis, für eine Kamera, deren Bilder kein Profil belegt</translation>
    </message>
    <message>
        <source>Layout: proven only</source>
        <translation>Layout: nur belegte</translation>
    </message>
    <message>
        <source>Layout: %1 (unverified)</source>
        <translation>Layout: %1 (nicht belegt)</translation>
    </message>
</context>
<context>
    <name>LiveReadings</name>
    <message>
        <source>values out of range for %1</source>
        <translation>Werte außerhalb des Bereichs für %1</translation>
    </message>
    <message>
        <source>%1 (unverified)</source>
        <translation>%1 (nicht belegt)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Can not open file.</source>
        <translation>Die Datei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Schnappschuss</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>User Manual</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Trying to open device...</source>
        <translation>Gerät wird geöffnet...</translation>
    </message>
    <message>
        <source>Failed to open device</source>
        <translation>Gerät konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>USB flash disk is open</source>
        <translation>USB-Laufwerk verbunden</translation>
    </message>
    <message>
        <source>Camera is open</source>
        <translation>Kamera verbunden</translation>
    </message>
    <message>
        <source>USB flash disk is close</source>
        <translation>USB-Laufwerk getrennt</translation>
    </message>
    <message>
        <source>Camera is close</source>
        <translation>Kamera getrennt</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>PNG (*.png )</source>
        <translation>PNG-Bild (*.png )</translation>
    </message>
    <message>
        <source>Picture saved successfully.</source>
        <translation>Das Bild wurde gespeichert.</translation>
    </message>
    <message>
        <source>Failed to save picture.</source>
        <translation>Das Bild konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Changes will take effect when you restart application.</source>
        <translation>Die Änderungen werden nach einem Neustart des Programms wirksam.</translation>
    </message>
    <message>
        <source>No camera is open. Switch the camera to USB video mode, plug it in, then choose %1 &gt; %2.</source>
        <extracomment>%1 and %2 are the menu and its item, as they are translated</extracomment>
        <translation>Keine Kamera geöffnet. Schalten Sie die Kamera in den USB-Videomodus, schließen Sie sie an und wählen Sie dann %1 &gt; %2.</translation>
    </message>
    <message>
        <source>USB flash disk is open: %1</source>
        <extracomment>%1 is the mount point of the disk, or those of several disks with &quot;, &quot; between them.</extracomment>
        <translation>USB-Laufwerk verbunden: %1</translation>
    </message>
    <message>
        <source>Camera unplugged; waiting for it</source>
        <translation>Kamera getrennt; warte auf sie</translation>
    </message>
    <message>
        <source>Camera found on %1</source>
        <translation>Kamera gefunden an %1</translation>
    </message>
    <message>
        <source>Open Recording...</source>
        <translation>Aufzeichnung öffnen...</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufzeichnen</translation>
    </message>
    <message>
        <source>Record every camera frame to a file in the history folder</source>
        <translation>Jedes Kamerabild in eine Datei im Ordner für Verlaufsdateien aufzeichnen</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Aufzeichnung beenden</translation>
    </message>
    <message>
        <source>Recording to %1</source>
        <translation>Aufzeichnung in %1</translation>
    </message>
    <message>
        <source>The recording could not start: %1</source>
        <translation>Die Aufzeichnung konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>Open Recording</source>
        <translation>Aufzeichnung öffnen</translation>
    </message>
    <message>
        <source>KM420 recordings (*.km420rec);;All files (*)</source>
        <translation>KM420-Aufzeichnungen (*.km420rec);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The recording %1 cannot be opened: %2</source>
        <translation>Die Aufzeichnung %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Recording saved: %1</source>
        <translation>Aufzeichnung gespeichert: %1</translation>
    </message>
    <message>
        <source>Recording stopped: %1
What was recorded is kept in %2.</source>
        <translation>Aufzeichnung abgebrochen: %1
Das bis dahin Aufgezeichnete ist in %2 gespeichert.</translation>
    </message>
    <message>
        <source>Layout Profiles...</source>
        <translation>Layout-Profile...</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Block Explorer...</source>
        <translation>Block-Explorer...</translation>
    </message>
    <message>
        <source>Find where a camera keeps its readings and build a layout profile</source>
        <translation>Finden, wo eine Kamera ihre Messwerte ablegt, und ein Layout-Profil erstellen</translation>
    </message>
    <message>
        <source>Annotated PNG, the view as shown (*.png)</source>
        <translation>PNG mit Anmerkungen, die Ansicht wie angezeigt (*.png)</translation>
    </message>
    <message>
        <source>CSV, the levels of every pixel (*.csv)</source>
        <translation>CSV, die Stufen aller Pixel (*.csv)</translation>
    </message>
</context>
<context>
    <name>OptionDialog</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinesisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>History files path</source>
        <translation>Ordner für Verlaufsdateien</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Choose path</source>
        <translation>Ordner auswählen</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>There is no picture to save.</source>
        <translation>Es gibt kein Bild zum Speichern.</translation>
    </message>
    <message>
        <source>The picture cannot be encoded as PNG.</source>
        <translation>Das Bild kann nicht als PNG kodiert werden.</translation>
    </message>
</context>
<context>
    <name>PlaybackPane</name>
    <message>
        <source>Playback</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>No recording open</source>
        <translation>Keine Aufzeichnung geöffnet</translation>
    </message>
    <message>
        <source>--</source>
        <translation>--</translation>
    </message>
    <message>
        <source>Frame:</source>
        <translation>Bild:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>Play (Space)</source>
        <translation>Abspielen (Leertaste)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Previous frame (Left)</source>
        <translation>Vorheriges Bild (Pfeil links)</translation>
    </message>
    <message>
        <source>Previous frame</source>
        <translation>Vorheriges Bild</translation>
    </message>
    <message>
        <source>Next frame (Right)</source>
        <translation>Nächstes Bild (Pfeil rechts)</translation>
    </message>
    <message>
        <source>Next frame</source>
        <translation>Nächstes Bild</translation>
    </message>
    <message>
        <source>Position in the recording</source>
        <translation>Position in der Aufzeichnung</translation>
    </message>
    <message>
        <source>Playback speed</source>
        <translation>Wiedergabegeschwindigkeit</translation>
    </message>
    <message>
        <source>%1x</source>
        <translation>%1x</translation>
    </message>
    <message>
        <source>As fast as possible</source>
        <translation>So schnell wie möglich</translation>
    </message>
    <message>
        <source>Colours of the picture</source>
        <translation>Farben des Bildes</translation>
    </message>
    <message>
        <source>As recorded</source>
        <translation>Wie aufgezeichnet</translation>
    </message>
    <message>
        <source>Palette %1</source>
        <translation>Palette %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Pause (Space)</source>
        <translation>Pause (Leertaste)</translation>
    </message>
    <message>
        <source>Playback: %1</source>
        <translation>Wiedergabe: %1</translation>
    </message>
    <message>
        <source>The recording holds no temperatures in a known layout.</source>
        <translation>Die Aufzeichnung enthält keine Temperaturen in einem bekannten Format.</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Damaged frames skipped: %1</source>
        <translation>Übersprungene beschädigte Bilder: %1</translation>
    </message>
</context>
<context>
    <name>RecordingPlayer</name>
    <message>
        <source>The recording holds no frame that can be read.</source>
        <translation>Die Aufzeichnung enthält kein lesbares Bild.</translation>
    </message>
</context>
<context>
    <name>RecordingReader</name>
    <message>
        <source>This is not a KM420 recording.</source>
        <translation>Dies ist keine KM420-Aufzeichnung.</translation>
    </message>
    <message>
        <source>The recording&apos;s header is damaged.</source>
        <translation>Der Dateikopf der Aufzeichnung ist beschädigt.</translation>
    </message>
    <message>
        <source>The recording has a format version this program does not read (%1).</source>
        <translation>Die Aufzeichnung hat eine Formatversion, die dieses Programm nicht lesen kann (%1).</translation>
    </message>
</context>
<context>
    <name>RecordingWriter</name>
    <message>
        <source>Less than %1 MB is free on the disk.</source>
        <translation>Auf dem Datenträger sind weniger als %1 MB frei.</translation>
    </message>
</context>
</TS>
