<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>ArchivePane</name>
    <message>
        <source>Disk:</source>
        <translation>Unità:</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Search the disk for pictures again</source>
        <translation>Cerca di nuovo le immagini nell&apos;unità</translation>
    </message>
    <message>
        <source>No disk</source>
        <translation>Nessuna unità</translation>
    </message>
    <message>
        <source>Double-click a picture to open it.</source>
        <translation>Fai doppio clic su un&apos;immagine per aprirla.</translation>
    </message>
    <message>
        <source>Searching for pictures...</source>
        <translation>Ricerca delle immagini in corso...</translation>
    </message>
    <message>
        <source>Searching for pictures... %1 found</source>
        <translation>Ricerca delle immagini in corso... Trovate: %1</translation>
    </message>
    <message>
        <source>No pictures found</source>
        <translation>Nessuna immagine trovata</translation>
    </message>
    <message>
        <source>Pictures: %1 (search stopped early)</source>
        <translation>Immagini: %1 (ricerca interrotta)</translation>
    </message>
    <message>
        <source>Pictures: %1</source>
        <translation>Immagini: %1</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>Apertura di %1 in corso...</translation>
    </message>
    <message>
        <source>Cannot show this picture.</source>
        <translation>Impossibile visualizzare questa immagine.</translation>
    </message>
    <message>
        <source>%1 x %2 pixels, %3</source>
        <translation>%1 x %2 pixel, %3</translation>
    </message>
    <message>
        <source>Cannot open %1: it could not be read as a PNG, JPEG or BMP picture.</source>
        <translation>Impossibile aprire %1: non è stato possibile leggerlo come immagine PNG, JPEG o BMP.</translation>
    </message>
    <message>
        <source>Cannot open %1: it is not on the camera&apos;s disk.</source>
        <translation>Impossibile aprire %1: non si trova sul disco della termocamera.</translation>
    </message>
    <message>
        <source>Cannot open %1: the file is no longer there.</source>
        <translation>Impossibile aprire %1: il file non esiste più.</translation>
    </message>
    <message>
        <source>Cannot open %1: the file is too large.</source>
        <translation>Impossibile aprire %1: il file è troppo grande.</translation>
    </message>
</context>
<context>
    <name>BlockExplorer</name>
    <message>
        <source>Maximum level</source>
        <translation>Livello massimo</translation>
    </message>
    <message>
        <source>Minimum level</source>
        <translation>Livello minimo</translation>
    </message>
    <message>
        <source>Mean level</source>
        <translation>Livello medio</translation>
    </message>
    <message>
        <source>Block Explorer</source>
        <translation>Esploratore di blocchi</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Selezione</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Scala</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Addendo</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Correlation</source>
        <translation>Correlazione</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Fotogramma</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Find Candidates</source>
        <translation>Cerca candidati</translation>
    </message>
    <message>
        <source>Search the kept frames for the bytes that follow the picture&apos;s levels best</source>
        <translation>Cerca nei fotogrammi conservati i byte che seguono meglio i livelli dell&apos;immagine</translation>
    </message>
    <message>
        <source>r</source>
        <translation>r</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Massimo</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimo</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Scale low</source>
        <translation>Scala inferiore</translation>
    </message>
    <message>
        <source>Scale high</source>
        <translation>Scala superiore</translation>
    </message>
    <message>
        <source>Frame counter</source>
        <translation>Contatore di fotogrammi</translation>
    </message>
    <message>
        <source>Add as Field</source>
        <translation>Aggiungi come campo</translation>
    </message>
    <message>
        <source>as the type</source>
        <translation>come il tipo</translation>
    </message>
    <message>
        <source> bytes</source>
        <translation> byte</translation>
    </message>
    <message>
        <source>Add as Proof</source>
        <translation>Aggiungi come prova</translation>
    </message>
    <message>
        <source>The selected bytes as they stand in the current frame prove the profile</source>
        <translation>I byte selezionati, così come sono nel fotogramma attuale, provano il profilo</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Salva profilo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Proof</source>
        <translation>Prova</translation>
    </message>
    <message>
        <source>Holds</source>
        <translation>Contiene</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Letture</translation>
    </message>
    <message>
        <source>Candidates</source>
        <translation>Candidati</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profilo</translation>
    </message>
    <message>
        <source>Frames of %1</source>
        <translation>Fotogrammi di %1</translation>
    </message>
    <message>
        <source>Open a live or playback pane: its frames are explored here.</source>
        <translation>Apri un riquadro dal vivo o di riproduzione: i suoi fotogrammi vengono esplorati qui.</translation>
    </message>
    <message>
        <source>%1 (raw %2)</source>
        <translation>%1 (grezzo %2)</translation>
    </message>
    <message>
        <source>The selection leaves the camera&apos;s bytes: it is not followed over frames.</source>
        <translation>La selezione esce dai byte della fotocamera: non viene seguita nei fotogrammi.</translation>
    </message>
    <message>
        <source>r with the maximum level %1, the minimum level %2, the mean level %3</source>
        <translation>r con il livello massimo %1, il livello minimo %2, il livello medio %3</translation>
    </message>
    <message>
        <source>Searching %1 frames...</source>
        <translation>Ricerca in %1 fotogrammi...</translation>
    </message>
    <message>
        <source>No byte follows the levels: the levels or the bytes kept no change.</source>
        <translation>Nessun byte segue i livelli: i livelli o i byte non sono cambiati.</translation>
    </message>
    <message>
        <source>A proof is taken from the current frame: no frame has come yet.</source>
        <translation>Una prova viene presa dal fotogramma attuale: non è ancora arrivato alcun fotogramma.</translation>
    </message>
    <message>
        <source>%1: %2 at %3, x %4 + %5</source>
        <translation>%1: %2 a %3, × %4 + %5</translation>
    </message>
    <message>
        <source>proof: bytes %1 at %2</source>
        <translation>prova: byte %1 a %2</translation>
    </message>
    <message>
        <source>No frame yet.</source>
        <translation>Ancora nessun fotogramma.</translation>
    </message>
    <message>
        <source>Max %1, Min %2, Centre %3</source>
        <translation>Max %1, min %2, centro %3</translation>
    </message>
    <message>
        <source>Without a proof camdesk never takes this profile for a frame.</source>
        <translation>Senza prova camdesk non usa mai questo profilo per un fotogramma.</translation>
    </message>
    <message>
        <source>The proof does not hold for this frame: the readings box shows none of this.</source>
        <translation>La prova non vale per questo fotogramma: il riquadro delle letture non mostra nulla di tutto ciò.</translation>
    </message>
    <message>
        <source>Give the profile a name before saving it.</source>
        <translation>Dai un nome al profilo prima di salvarlo.</translation>
    </message>
    <message>
        <source>The profile cannot be saved: %1</source>
        <translation>Impossibile salvare il profilo: %1</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>The profile cannot be written to %1: %2</source>
        <translation>Impossibile scrivere il profilo in %1: %2</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Salvato in %1</translation>
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
        <translation>Offset %1: 0x%2 (%3), cambiato %4 volte negli ultimi %5 fotogrammi</translation>
    </message>
</context>
<context>
    <name>ChildPane</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Chiudi questa finestra</translation>
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
        <translation>Il fotogramma non contiene temperature in un formato noto.</translation>
    </message>
    <message>
        <source>--</source>
        <translation>--</translation>
    </message>
    <message>
        <source>Spot</source>
        <translation>Punto</translation>
    </message>
    <message>
        <source>Click the picture to place a spot (up to 8)</source>
        <translation>Fai clic sull&apos;immagine per posizionare un punto (fino a 8)</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Drag on the picture to place a box (up to 4)</source>
        <translation>Trascina sull&apos;immagine per posizionare un&apos;area (fino a 4)</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linea</translation>
    </message>
    <message>
        <source>Drag on the picture to draw the line of a profile</source>
        <translation>Trascina sull&apos;immagine per tracciare la linea di un profilo</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Remove every spot, box and line</source>
        <translation>Rimuovi tutti i punti, le aree e le linee</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Istogramma</translation>
    </message>
    <message>
        <source>Show the levels&apos; histogram</source>
        <translation>Mostra l&apos;istogramma dei livelli</translation>
    </message>
    <message>
        <source>Hold scale</source>
        <translation>Blocca scala</translation>
    </message>
    <message>
        <source>Keep the colours fixed while the camera re-ranges</source>
        <translation>Mantieni fissi i colori mentre la termocamera cambia intervallo</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Smussa</translation>
    </message>
    <message>
        <source>Enlarge smoothly instead of by whole pixels</source>
        <translation>Ingrandisci in modo uniforme invece che per pixel interi</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>Turn the picture a quarter clockwise</source>
        <translation>Ruota l&apos;immagine di un quarto di giro in senso orario</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Ribalta</translation>
    </message>
    <message>
        <source>Mirror the picture left to right</source>
        <translation>Ribalta l&apos;immagine da sinistra a destra</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Misure</translation>
    </message>
    <message>
        <source>Layout:</source>
        <translation>Layout:</translation>
    </message>
    <message>
        <source>Max:</source>
        <translation>Massima:</translation>
    </message>
    <message>
        <source>Min:</source>
        <translation>Minima:</translation>
    </message>
    <message>
        <source>Centre:</source>
        <translation>Centro:</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Misure sull&apos;immagine</translation>
    </message>
    <message>
        <source>No markers: choose Spot, Box or Line and use the picture.</source>
        <translation>Nessun marcatore: scegli Punto, Area o Linea e usa l&apos;immagine.</translation>
    </message>
    <message>
        <source>hot</source>
        <translation>caldo</translation>
    </message>
    <message>
        <source>cold</source>
        <translation>freddo</translation>
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
        <translation>A%1: min %2, max %3, media %4</translation>
    </message>
    <message>
        <source>B%1</source>
        <translation>A%1</translation>
    </message>
    <message>
        <source>Line: %1 pixels, min %2, max %3</source>
        <translation>Linea: %1 pixel, min %2, max %3</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>No picture data in this frame.</source>
        <translation>Nessun dato di immagine in questo fotogramma.</translation>
    </message>
    <message>
        <source>Levels (0-255) and temperatures from %1:</source>
        <translation>Livelli (0-255) e temperature secondo %1:</translation>
    </message>
    <message>
        <source>Levels (0-255); no temperatures in this frame.</source>
        <translation>Livelli (0-255); nessuna temperatura in questo fotogramma.</translation>
    </message>
    <message>
        <source>Held scale, from %1:</source>
        <translation>Scala bloccata, secondo %1:</translation>
    </message>
    <message>
        <source>the layout held</source>
        <translation>il layout bloccato</translation>
    </message>
    <message>
        <source>Held level window (drag the handles on the colour scale):</source>
        <translation>Finestra di livelli bloccata (trascina le maniglie sulla scala dei colori):</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tempo: %1</translation>
    </message>
    <message>
        <source>Layout: %1</source>
        <translation>Layout: %1</translation>
    </message>
    <message>
        <source>Max: %1   Min: %2   Centre: %3</source>
        <translation>Massima: %1   Minima: %2   Centro: %3</translation>
    </message>
    <message>
        <source>Turned: %1</source>
        <translation>Rotazione: %1</translation>
    </message>
    <message>
        <source>Held scale: %1 to %2, from %3</source>
        <translation>Scala bloccata: da %1 a %2, da %3</translation>
    </message>
    <message>
        <source>Held level window: %1 to %2</source>
        <translation>Finestra di livelli bloccata: da %1 a %2</translation>
    </message>
    <message>
        <source>There are no levels to save: the picture came without its frame.</source>
        <translation>Nessun livello da salvare: l&apos;immagine è arrivata senza il suo fotogramma.</translation>
    </message>
</context>
<context>
    <name>LayoutsDialog</name>
    <message>
        <source>Layout Profiles</source>
        <translation>Profili di layout</translation>
    </message>
    <message>
        <source>camdesk shows temperatures only from frames that one of these profiles proves. Your own profiles go in %1.</source>
        <translation>camdesk mostra temperature solo dalle immagini riconosciute da uno di questi profili. I propri profili vanno in %1.</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profilo</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Ricarica</translation>
    </message>
    <message>
        <source>%1 (no proof: not used)</source>
        <translation>%1 (senza prova: non usato)</translation>
    </message>
    <message>
        <source>built in</source>
        <translation>integrato</translation>
    </message>
    <message>
        <source>Ignored: %1</source>
        <translation>Ignorato: %1</translation>
    </message>
</context>
<context>
    <name>LensFeed</name>
    <message>
        <source>Choose Camera</source>
        <translation>Scegli la termocamera</translation>
    </message>
    <message>
        <source>Cameras:</source>
        <translation>Termocamere:</translation>
    </message>
    <message>
        <source>Data stream was failed,the application will be close.</source>
        <translation>Il flusso di dati della termocamera si è interrotto. La connessione con la termocamera verrà chiusa.</translation>
    </message>
</context>
<context>
    <name>LevelChart</name>
    <message>
        <source>level</source>
        <translation>livello</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>pixel</translation>
    </message>
    <message>
        <source>This build of camdesk has no charts.</source>
        <translation>Questa build di camdesk non include grafici.</translation>
    </message>
    <message>
        <source>along the line</source>
        <translation>lungo la linea</translation>
    </message>
</context>
<context>
    <name>LivePane</name>
    <message>
        <source>Waiting for the camera...</source>
        <translation>In attesa della termocamera...</translation>
    </message>
    <message>
        <source>--</source>
        <translation>--</translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation>Frequenza fotogrammi:</translation>
    </message>
    <message>
        <source>Frames shown:</source>
        <translation>Fotogrammi visualizzati:</translation>
    </message>
    <message>
        <source>Silence</source>
        <translation>Silenzia</translation>
    </message>
    <message>
        <source>Stop the alarm sound</source>
        <translation>Interrompi il suono dell&apos;allarme</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Allarme</translation>
    </message>
    <message>
        <source>Enable alarm</source>
        <translation>Attiva allarme</translation>
    </message>
    <message>
        <source>Alarm above high limit</source>
        <translation>Allarme sopra la soglia superiore</translation>
    </message>
    <message>
        <source>Alarm below low limit</source>
        <translation>Allarme sotto la soglia inferiore</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Write alarm log</source>
        <translation>Salva il registro degli allarmi</translation>
    </message>
    <message>
        <source>Camera settings</source>
        <translation>Impostazioni termocamera</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Send these settings to the camera</source>
        <translation>Invia queste impostazioni alla termocamera</translation>
    </message>
    <message>
        <source>High limit:</source>
        <translation>Soglia superiore:</translation>
    </message>
    <message>
        <source>Low limit:</source>
        <translation>Soglia inferiore:</translation>
    </message>
    <message>
        <source>Emissivity:</source>
        <translation>Emissività:</translation>
    </message>
    <message>
        <source>Alarm off</source>
        <translation>Allarme disattivato</translation>
    </message>
    <message>
        <source>No alarm</source>
        <translation>Nessun allarme</translation>
    </message>
    <message>
        <source>ALARM: too hot and too cold</source>
        <translation>ALLARME: troppo caldo e troppo freddo</translation>
    </message>
    <message>
        <source>ALARM: too hot</source>
        <translation>ALLARME: troppo caldo</translation>
    </message>
    <message>
        <source>ALARM: too cold</source>
        <translation>ALLARME: troppo freddo</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <translation>%1 fps</translation>
    </message>
    <message>
        <source>No temperatures to watch</source>
        <translation>Nessuna temperatura da sorvegliare</translation>
    </message>
    <message>
        <source>The camera reports no temperatures in a known layout.</source>
        <translation>La termocamera non fornisce temperature in un formato noto.</translation>
    </message>
    <message>
        <source>No history folder is set; choose one in File &gt; Option.</source>
        <translation>Nessuna cartella dello storico impostata; sceglierne una in File &gt; Opzioni.</translation>
    </message>
    <message>
        <source>The history folder %1 cannot be created.</source>
        <translation>Impossibile creare la cartella dello storico %1.</translation>
    </message>
    <message>
        <source>A layout profile without proof, for a camera whose frames no profile proves</source>
        <translation>Un profilo di layout senza prova, per una telecamera le cui immagini nessun profilo riconosce</translation>
    </message>
    <message>
        <source>Layout: proven only</source>
        <translation>Layout: solo riconosciuti</translation>
    </message>
    <message>
        <source>Layout: %1 (unverified)</source>
        <translation>Layout: %1 (non verificato)</translation>
    </message>
</context>
<context>
    <name>LiveReadings</name>
    <message>
        <source>values out of range for %1</source>
        <translation>valori fuori intervallo per %1</translation>
    </message>
    <message>
        <source>%1 (unverified)</source>
        <translation>%1 (non verificato)</translation>
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
        <translation>File</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Can not open file.</source>
        <translation>Impossibile aprire il file.</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Cattura</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>User Manual</source>
        <translation>Manuale utente</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Trying to open device...</source>
        <translation>Apertura del dispositivo in corso...</translation>
    </message>
    <message>
        <source>Failed to open device</source>
        <translation>Impossibile aprire il dispositivo</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <source>USB flash disk is open</source>
        <translation>Unità USB connessa</translation>
    </message>
    <message>
        <source>Camera is open</source>
        <translation>Termocamera connessa</translation>
    </message>
    <message>
        <source>USB flash disk is close</source>
        <translation>Unità USB disconnessa</translation>
    </message>
    <message>
        <source>Camera is close</source>
        <translation>Termocamera disconnessa</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Salva immagine</translation>
    </message>
    <message>
        <source>PNG (*.png )</source>
        <translation>Immagine PNG (*.png )</translation>
    </message>
    <message>
        <source>Picture saved successfully.</source>
        <translation>Immagine salvata correttamente.</translation>
    </message>
    <message>
        <source>Failed to save picture.</source>
        <translation>Impossibile salvare l&apos;immagine.</translation>
    </message>
    <message>
        <source>Changes will take effect when you restart application.</source>
        <translation>Le modifiche avranno effetto al riavvio dell&apos;applicazione.</translation>
    </message>
    <message>
        <source>No camera is open. Switch the camera to USB video mode, plug it in, then choose %1 &gt; %2.</source>
        <extracomment>%1 and %2 are the menu and its item, as they are translated</extracomment>
        <translation>Nessuna termocamera aperta. Portate la termocamera in modalità video USB, collegatela e scegliete %1 &gt; %2.</translation>
    </message>
    <message>
        <source>USB flash disk is open: %1</source>
        <extracomment>%1 is the mount point of the disk, or those of several disks with &quot;, &quot; between them.</extracomment>
        <translation>Unità USB connessa: %1</translation>
    </message>
    <message>
        <source>Camera unplugged; waiting for it</source>
        <translation>Termocamera scollegata; in attesa</translation>
    </message>
    <message>
        <source>Camera found on %1</source>
        <translation>Termocamera trovata su %1</translation>
    </message>
    <message>
        <source>Open Recording...</source>
        <translation>Apri registrazione...</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registra</translation>
    </message>
    <message>
        <source>Record every camera frame to a file in the history folder</source>
        <translation>Registra ogni fotogramma della termocamera in un file nella cartella dello storico</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Interrompi registrazione</translation>
    </message>
    <message>
        <source>Recording to %1</source>
        <translation>Registrazione in %1</translation>
    </message>
    <message>
        <source>The recording could not start: %1</source>
        <translation>Impossibile avviare la registrazione: %1</translation>
    </message>
    <message>
        <source>Open Recording</source>
        <translation>Apri registrazione</translation>
    </message>
    <message>
        <source>KM420 recordings (*.km420rec);;All files (*)</source>
        <translation>Registrazioni KM420 (*.km420rec);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>The recording %1 cannot be opened: %2</source>
        <translation>Impossibile aprire la registrazione %1: %2</translation>
    </message>
    <message>
        <source>Recording saved: %1</source>
        <translation>Registrazione salvata: %1</translation>
    </message>
    <message>
        <source>Recording stopped: %1
What was recorded is kept in %2.</source>
        <translation>Registrazione interrotta: %1
Quanto registrato finora è conservato in %2.</translation>
    </message>
    <message>
        <source>Layout Profiles...</source>
        <translation>Profili di layout...</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Strumenti</translation>
    </message>
    <message>
        <source>Block Explorer...</source>
        <translation>Esploratore di blocchi...</translation>
    </message>
    <message>
        <source>Find where a camera keeps its readings and build a layout profile</source>
        <translation>Trovare dove una fotocamera tiene le sue letture e creare un profilo di layout</translation>
    </message>
    <message>
        <source>Annotated PNG, the view as shown (*.png)</source>
        <translation>PNG annotato, la vista così come è mostrata (*.png)</translation>
    </message>
    <message>
        <source>CSV, the levels of every pixel (*.csv)</source>
        <translation>CSV, i livelli di ogni pixel (*.csv)</translation>
    </message>
</context>
<context>
    <name>OptionDialog</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Cinese</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tedesco</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Giapponese</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>History files path</source>
        <translation>Cartella dello storico</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Choose path</source>
        <translation>Scegli la cartella</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>There is no picture to save.</source>
        <translation>Non c&apos;è alcuna immagine da salvare.</translation>
    </message>
    <message>
        <source>The picture cannot be encoded as PNG.</source>
        <translation>Impossibile codificare l&apos;immagine come PNG.</translation>
    </message>
</context>
<context>
    <name>PlaybackPane</name>
    <message>
        <source>Playback</source>
        <translation>Riproduzione</translation>
    </message>
    <message>
        <source>No recording open</source>
        <translation>Nessuna registrazione aperta</translation>
    </message>
    <message>
        <source>--</source>
        <translation>--</translation>
    </message>
    <message>
        <source>Frame:</source>
        <translation>Fotogramma:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Play (Space)</source>
        <translation>Riproduci (Spazio)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Previous frame (Left)</source>
        <translation>Fotogramma precedente (Freccia sinistra)</translation>
    </message>
    <message>
        <source>Previous frame</source>
        <translation>Fotogramma precedente</translation>
    </message>
    <message>
        <source>Next frame (Right)</source>
        <translation>Fotogramma successivo (Freccia destra)</translation>
    </message>
    <message>
        <source>Next frame</source>
        <translation>Fotogramma successivo</translation>
    </message>
    <message>
        <source>Position in the recording</source>
        <translation>Posizione nella registrazione</translation>
    </message>
    <message>
        <source>Playback speed</source>
        <translation>Velocità di riproduzione</translation>
    </message>
    <message>
        <source>%1x</source>
        <translation>%1x</translation>
    </message>
    <message>
        <source>As fast as possible</source>
        <translation>Il più veloce possibile</translation>
    </message>
    <message>
        <source>Colours of the picture</source>
        <translation>Colori dell&apos;immagine</translation>
    </message>
    <message>
        <source>As recorded</source>
        <translation>Come registrato</translation>
    </message>
    <message>
        <source>Palette %1</source>
        <translation>Tavolozza %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Pause (Space)</source>
        <translation>Pausa (Spazio)</translation>
    </message>
    <message>
        <source>Playback: %1</source>
        <translation>Riproduzione: %1</translation>
    </message>
    <message>
        <source>The recording holds no temperatures in a known layout.</source>
        <translation>La registrazione non contiene temperature in un formato noto.</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Damaged frames skipped: %1</source>
        <translation>Fotogrammi danneggiati saltati: %1</translation>
    </message>
</context>
<context>
    <name>RecordingPlayer</name>
    <message>
        <source>The recording holds no frame that can be read.</source>
        <translation>La registrazione non contiene alcun fotogramma leggibile.</translation>
    </message>
</context>
<context>
    <name>RecordingReader</name>
    <message>
        <source>This is not a KM420 recording.</source>
        <translation>Questo file non è una registrazione KM420.</translation>
    </message>
    <message>
        <source>The recording&apos;s header is damaged.</source>
        <translation>L&apos;intestazione della registrazione è danneggiata.</translation>
    </message>
    <message>
        <source>The recording has a format version this program does not read (%1).</source>
        <translation>La registrazione ha una versione di formato che questo programma non è in grado di leggere (%1).</translation>
    </message>
</context>
<context>
    <name>RecordingWriter</name>
    <message>
        <source>Less than %1 MB is free on the disk.</source>
        <translation>Sul disco sono liberi meno di %1 MB.</translation>
    </message>
</context>
</TS>
