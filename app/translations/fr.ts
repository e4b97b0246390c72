<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ArchivePane</name>
    <message>
        <source>Disk:</source>
        <translation>Lecteur&#xa0;:</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Search the disk for pictures again</source>
        <translation>Rechercher à nouveau les images sur le lecteur</translation>
    </message>
    <message>
        <source>No disk</source>
        <translation>Aucun lecteur</translation>
    </message>
    <message>
        <source>Double-click a picture to open it.</source>
        <translation>Double-cliquez sur une image pour l&apos;ouvrir.</translation>
    </message>
    <message>
        <source>Searching for pictures...</source>
        <translation>Recherche des images...</translation>
    </message>
    <message>
        <source>Searching for pictures... %1 found</source>
        <translation>Recherche des images... %1 trouvée(s)</translation>
    </message>
    <message>
        <source>No pictures found</source>
        <translation>Aucune image trouvée</translation>
    </message>
    <message>
        <source>Pictures: %1 (search stopped early)</source>
        <translation>Images&#xa0;: %1 (recherche interrompue)</translation>
    </message>
    <message>
        <source>Pictures: %1</source>
        <translation>Images&#xa0;: %1</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>Ouverture de %1...</translation>
    </message>
    <message>
        <source>Cannot show this picture.</source>
        <translation>Impossible d&apos;afficher cette image.</translation>
    </message>
    <message>
        <source>%1 x %2 pixels, %3</source>
        <translation>%1 x %2 pixels, %3</translation>
    </message>
    <message>
        <source>Cannot open %1: it could not be read as a PNG, JPEG or BMP picture.</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: le fichier n&apos;a pas pu être lu comme image PNG, JPEG ou BMP.</translation>
    </message>
    <message>
        <source>Cannot open %1: it is not on the camera&apos;s disk.</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: le fichier ne se trouve pas sur le disque de la caméra.</translation>
    </message>
    <message>
        <source>Cannot open %1: the file is no longer there.</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: le fichier n&apos;existe plus.</translation>
    </message>
    <message>
        <source>Cannot open %1: the file is too large.</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: le fichier est trop volumineux.</translation>
    </message>
</context>
<context>
    <name>BlockExplorer</name>
    <message>
        <source>Maximum level</source>
        <translation>Niveau maximal</translation>
    </message>
    <message>
        <source>Minimum level</source>
        <translation>Niveau minimal</translation>
    </message>
    <message>
        <source>Mean level</source>
        <translation>Niveau moyen</translation>
    </message>
    <message>
        <source>Block Explorer</source>
        <translation>Explorateur de blocs</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Décalage</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Échelle</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajout</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Correlation</source>
        <translation>Corrélation</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Find Candidates</source>
        <translation>Chercher des candidats</translation>
    </message>
    <message>
        <source>Search the kept frames for the bytes that follow the picture&apos;s levels best</source>
        <translation>Cherche dans les images gardées les octets qui suivent le mieux les niveaux de l&apos;image</translation>
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
        <translation>Centre</translation>
    </message>
    <message>
        <source>Scale low</source>
        <translation>Bas de l&apos;échelle</translation>
    </message>
    <message>
        <source>Scale high</source>
        <translation>Haut de l&apos;échelle</translation>
    </message>
    <message>
        <source>Frame counter</source>
        <translation>Compteur d&apos;images</translation>
    </message>
    <message>
        <source>Add as Field</source>
        <translation>Ajouter comme champ</translation>
    </message>
    <message>
        <source>as the type</source>
        <translation>selon le type</translation>
    </message>
    <message>
        <source> bytes</source>
        <translation> octets</translation>
    </message>
    <message>
        <source>Add as Proof</source>
        <translation>Ajouter comme preuve</translation>
    </message>
    <message>
        <source>The selected bytes as they stand in the current frame prove the profile</source>
        <translation>Les octets choisis, tels qu&apos;ils sont dans l&apos;image actuelle, prouvent le profil</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Enregistrer le profil</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Proof</source>
        <translation>Preuve</translation>
    </message>
    <message>
        <source>Holds</source>
        <translation>Contient</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Relevés</translation>
    </message>
    <message>
        <source>Candidates</source>
        <translation>Candidats</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Frames of %1</source>
        <translation>Images de %1</translation>
    </message>
    <message>
        <source>Open a live or playback pane: its frames are explored here.</source>
        <translation>Ouvrez un volet en direct ou de lecture : ses images sont explorées ici.</translation>
    </message>
    <message>
        <source>%1 (raw %2)</source>
        <translation>%1 (brut %2)</translation>
    </message>
    <message>
        <source>The selection leaves the camera&apos;s bytes: it is not followed over frames.</source>
        <translation>La sélection sort des octets de la caméra : elle n&apos;est pas suivie d&apos;image en image.</translation>
    </message>
    <message>
        <source>r with the maximum level %1, the minimum level %2, the mean level %3</source>
        <translation>r avec le niveau maximal %1, le niveau minimal %2, le niveau moyen %3</translation>
    </message>
    <message>
        <source>Searching %1 frames...</source>
        <translation>Recherche dans %1 images...</translation>
    </message>
    <message>
        <source>No byte follows the levels: the levels or the bytes kept no change.</source>
        <translation>Aucun octet ne suit les niveaux : les niveaux ou les octets n&apos;ont pas changé.</translation>
    </message>
    <message>
        <source>A proof is taken from the current frame: no frame has come yet.</source>
        <translation>Une preuve est prise dans l&apos;image actuelle : aucune image n&apos;est encore arrivée.</translation>
    </message>
    <message>
        <source>%1: %2 at %3, x %4 + %5</source>
        <translation>%1 : %2 à %3, × %4 + %5</translation>
    </message>
    <message>
        <source>proof: bytes %1 at %2</source>
        <translation>preuve : octets %1 à %2</translation>
    </message>
    <message>
        <source>No frame yet.</source>
        <translation>Pas encore d&apos;image.</translation>
    </message>
    <message>
        <source>Max %1, Min %2, Centre %3</source>
        <translation>Max %1, min %2, centre %3</translation>
    </message>
    <message>
        <source>Without a proof camdesk never takes this profile for a frame.</source>
        <translation>Sans preuve, camdesk n&apos;applique jamais ce profil à une image.</translation>
    </message>
    <message>
        <source>The proof does not hold for this frame: the readings box shows none of this.</source>
        <translation>La preuve ne tient pas pour cette image : le cadre des relevés n&apos;en montre rien.</translation>
    </message>
    <message>
        <source>Give the profile a name before saving it.</source>
        <translation>Donnez un nom au profil avant de l&apos;enregistrer.</translation>
    </message>
    <message>
        <source>The profile cannot be saved: %1</source>
        <translation>Le profil ne peut pas être enregistré : %1</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The profile cannot be written to %1: %2</source>
        <translation>Le profil ne peut pas être écrit dans %1 : %2</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Enregistré dans %1</translation>
    </message>
    <message>
        <source>%1 °C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>Layout: %1</source>
        <translation>Disposition : %1</translation>
    </message>
</context>
<context>
    <name>BlockModel</name>
    <message>
        <source>Offset %1: 0x%2 (%3), changed %4 times in the last %5 frames</source>
        <translation>Décalage %1 : 0x%2 (%3), modifié %4 fois dans les %5 dernières images</translation>
    </message>
</context>
<context>
    <name>ChildPane</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Fermer cette fenêtre</translation>
    </message>
</context>
<context>
    <name>FrameView</name>
    <message>
        <source>%1 °C</source>
        <translation>%1&#xa0;°C</translation>
    </message>
    <message>
        <source>The frame holds no temperatures in a known layout.</source>
        <translation>L&apos;image ne contient aucune température dans un format connu.</translation>
    </message>
    <message>
        <source>--</source>
        <translation>--</translation>
    </message>
    <message>
        <source>Spot</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Click the picture to place a spot (up to 8)</source>
        <translation>Cliquer sur l&apos;image pour placer un point (jusqu&apos;à 8)</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Drag on the picture to place a box (up to 4)</source>
        <translation>Faire glisser sur l&apos;image pour placer une zone (jusqu&apos;à 4)</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Drag on the picture to draw the line of a profile</source>
        <translation>Faire glisser sur l&apos;image pour tracer la ligne d&apos;un profil</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Remove every spot, box and line</source>
        <translation>Retirer tous les points, zones et lignes</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Histogramme</translation>
    </message>
    <message>
        <source>Show the levels&apos; histogram</source>
        <translation>Afficher l&apos;histogramme des niveaux</translation>
    </message>
    <message>
        <source>Hold scale</source>
        <translation>Figer l&apos;échelle</translation>
    </message>
    <message>
        <source>Keep the colours fixed while the camera re-ranges</source>
        <translation>Garder les couleurs fixes pendant que la caméra change de plage</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Lisser</translation>
    </message>
    <message>
        <source>Enlarge smoothly instead of by whole pixels</source>
        <translation>Agrandir en douceur plutôt que par pixels entiers</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Pivoter</translation>
    </message>
    <message>
        <source>Turn the picture a quarter clockwise</source>
        <translation>Faire pivoter l&apos;image d&apos;un quart de tour dans le sens horaire</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Miroir</translation>
    </message>
    <message>
        <source>Mirror the picture left to right</source>
        <translation>Inverser l&apos;image de gauche à droite</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>Layout:</source>
        <translation>Disposition :</translation>
    </message>
    <message>
        <source>Max:</source>
        <translation>Max&#xa0;:</translation>
    </message>
    <message>
        <source>Min:</source>
        <translation>Min&#xa0;:</translation>
    </message>
    <message>
        <source>Centre:</source>
        <translation>Centre&#xa0;:</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Mesures sur l&apos;image</translation>
    </message>
    <message>
        <source>No markers: choose Spot, Box or Line and use the picture.</source>
        <translation>Aucun repère&#xa0;: choisissez Point, Zone ou Ligne et utilisez l&apos;image.</translation>
    </message>
    <message>
        <source>hot</source>
        <translation>chaud</translation>
    </message>
    <message>
        <source>cold</source>
        <translation>froid</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>S%1: %2</source>
        <translation>P%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>S%1 %2</source>
        <translation>P%1 %2</translation>
    </message>
    <message>
        <source>B%1: min %2, max %3, mean %4</source>
        <translation>Z%1&#xa0;: min %2, max %3, moyenne %4</translation>
    </message>
    <message>
        <source>B%1</source>
        <translation>Z%1</translation>
    </message>
    <message>
        <source>Line: %1 pixels, min %2, max %3</source>
        <translation>Ligne&#xa0;: %1 pixels, min %2, max %3</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>No picture data in this frame.</source>
        <translation>Cette image ne contient pas de données de pixels.</translation>
    </message>
    <message>
        <source>Levels (0-255) and temperatures from %1:</source>
        <translation>Niveaux (0-255) et températures selon %1&#xa0;:</translation>
    </message>
    <message>
        <source>Levels (0-255); no temperatures in this frame.</source>
        <translation>Niveaux (0-255)&#xa0;; aucune température dans cette image.</translation>
    </message>
    <message>
        <source>Held scale, from %1:</source>
        <translation>Échelle figée, selon %1&#xa0;:</translation>
    </message>
    <message>
        <source>the layout held</source>
        <translation>la disposition figée</translation>
    </message>
    <message>
        <source>Held level window (drag the handles on the colour scale):</source>
        <translation>Fenêtre de niveaux figée (faites glisser les poignées de l&apos;échelle des couleurs)&#xa0;:</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Temps&#xa0;: %1</translation>
    </message>
    <message>
        <source>Layout: %1</source>
        <translation>Disposition : %1</translation>
    </message>
    <message>
        <source>Max: %1   Min: %2   Centre: %3</source>
        <translation>Max&#xa0;: %1   Min&#xa0;: %2   Centre&#xa0;: %3</translation>
    </message>
    <message>
        <source>Turned: %1</source>
        <translation>Rotation&#xa0;: %1</translation>
    </message>
    <message>
        <source>Held scale: %1 to %2, from %3</source>
        <translation>Échelle figée&#xa0;: %1 à %2, d’après %3</translation>
    </message>
    <message>
        <source>Held level window: %1 to %2</source>
        <translation>Fenêtre de niveaux figée&#xa0;: %1 à %2</translation>
    </message>
    <message>
        <source>There are no levels to save: the picture came without its frame.</source>
        <translation>Aucun niveau à enregistrer&#xa0;: l&apos;image est arrivée sans ses données brutes.</translation>
    </message>
</context>
<context>
    <name>LayoutsDialog</name>
    <message>
        <source>Layout Profiles</source>
        <translation>Profils de disposition</translation>
    </message>
    <message>
        <source>camdesk shows temperatures only from frames that one of these profiles proves. Your own profiles go in %1.</source>
        <translation>camdesk n&apos;affiche de températures que pour les images qu&apos;un de ces profils reconnaît. Vos propres profils vont dans %1.</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <source>%1 (no proof: not used)</source>
        <translation>%1 (sans preuve : non utilisé)</translation>
    </message>
    <message>
        <source>built in</source>
        <translation>intégré</translation>
    </message>
    <message>
        <source>Ignored: %1</source>
        <translation>Ignoré : %1</translation>
    </message>
</context>
<context>
    <name>LensFeed</name>
    <message>
        <source>Choose Camera</source>
        <translation>Choisir la caméra</translation>
    </message>
    <message>
        <source>Cameras:</source>
        <translation>Caméras&#xa0;:</translation>
    </message>
    <message>
        <source>Data stream was failed,the application will be close.</source>
        <translation>Le flux de données de la caméra a échoué. La connexion à la caméra va être fermée.</translation>
    </message>
</context>
<context>
    <name>LevelChart</name>
    <message>
        <source>level</source>
        <translation>niveau</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>This build of camdesk has no charts.</source>
        <translation>Cette version de camdesk ne contient pas de graphiques.</translation>
    </message>
    <message>
        <source>along the line</source>
        <translation>le long de la ligne</translation>
    </message>
</context>
<context>
    <name>LivePane</name>
    <message>
        <source>Waiting for the camera...</source>
        <translation>En attente de la caméra...</translation>
    </message>
    <message>
        <source>--</source>
        <translation>--</translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation>Fréquence d&apos;images&#xa0;:</translation>
    </message>
    <message>
        <source>Frames shown:</source>
        <translation>Images affichées&#xa0;:</translation>
    </message>
    <message>
        <source>Silence</source>
        <translation>Couper le son</translation>
    </message>
    <message>
        <source>Stop the alarm sound</source>
        <translation>Arrêter le son de l&apos;alarme</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Enable alarm</source>
        <translation>Activer l&apos;alarme</translation>
    </message>
    <message>
        <source>Alarm above high limit</source>
        <translation>Alarme au-dessus du seuil haut</translation>
    </message>
    <message>
        <source>Alarm below low limit</source>
        <translation>Alarme en dessous du seuil bas</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Write alarm log</source>
        <translation>Enregistrer le journal des alarmes</translation>
    </message>
    <message>
        <source>Camera settings</source>
        <translation>Paramètres de la caméra</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Send these settings to the camera</source>
        <translation>Envoyer ces paramètres à la caméra</translation>
    </message>
    <message>
        <source>High limit:</source>
        <translation>Seuil haut&#xa0;:</translation>
    </message>
    <message>
        <source>Low limit:</source>
        <translation>Seuil bas&#xa0;:</translation>
    </message>
    <message>
        <source>Emissivity:</source>
        <translation>Émissivité&#xa0;:</translation>
    </message>
    <message>
        <source>Alarm off</source>
        <translation>Alarme désactivée</translation>
    </message>
    <message>
        <source>No alarm</source>
        <translation>Aucune alarme</translation>
    </message>
    <message>
        <source>ALARM: too hot and too cold</source>
        <translation>ALARME&#xa0;: trop chaud et trop froid</translation>
    </message>
    <message>
        <source>ALARM: too hot</source>
        <translation>ALARME&#xa0;: trop chaud</translation>
    </message>
    <message>
        <source>ALARM: too cold</source>
        <translation>ALARME&#xa0;: trop froid</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <translation>%1 i/s</translation>
    </message>
    <message>
        <source>No temperatures to watch</source>
        <translation>Aucune température à surveiller</translation>
    </message>
    <message>
        <source>The camera reports no temperatures in a known layout.</source>
        <translation>La caméra ne fournit aucune température dans un format connu.</translation>
    </message>
    <message>
        <source>No history folder is set; choose one in File &gt; Option.</source>
        <translation>Aucun dossier de l&apos;historique n&apos;est défini&#xa0;; choisissez-en un dans Fichier &gt; Options.</translation>
    </message>
    <message>
        <source>The history folder %1 cannot be created.</source>
        <translation>Impossible de créer le dossier de l&apos;historique %1.</translation>
    </message>
    <message>
        <source>A layout profile without proof, for a camera whose frames no profile proves</source>
        <translation>Un profil de disposition sans preuve, pour une caméra dont aucun profil ne reconnaît les images</translation>
    </message>
    <message>
        <source>Layout: proven only</source>
        <translation>Disposition : reconnues seulement</translation>
    </message>
    <message>
        <source>Layout: %1 (unverified)</source>
        <translation>Disposition : %1 (non vérifiée)</translation>
    </message>
</context>
<context>
    <name>LiveReadings</name>
    <message>
        <source>values out of range for %1</source>
        <translation>valeurs hors limites pour %1</translation>
    </message>
    <message>
        <source>%1 (unverified)</source>
        <translation>%1 (non vérifiée)</translation>
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
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Can not open file.</source>
        <translation>Impossible d&apos;ouvrir le fichier.</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capturer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>User Manual</source>
        <translation>Manuel d&apos;utilisation</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Trying to open device...</source>
        <translation>Ouverture du périphérique...</translation>
    </message>
    <message>
        <source>Failed to open device</source>
        <translation>Impossible d&apos;ouvrir le périphérique</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>USB flash disk is open</source>
        <translation>Lecteur USB connecté</translation>
    </message>
    <message>
        <source>Camera is open</source>
        <translation>Caméra connectée</translation>
    </message>
    <message>
        <source>USB flash disk is close</source>
        <translation>Lecteur USB déconnecté</translation>
    </message>
    <message>
        <source>Camera is close</source>
        <translation>Caméra déconnectée</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <source>PNG (*.png )</source>
        <translation>Image PNG (*.png )</translation>
    </message>
    <message>
        <source>Picture saved successfully.</source>
        <translation>L&apos;image a été enregistrée.</translation>
    </message>
    <message>
        <source>Failed to save picture.</source>
        <translation>Impossible d&apos;enregistrer l&apos;image.</translation>
    </message>
    <message>
        <source>Changes will take effect when you restart application.</source>
        <translation>Les modifications prendront effet au prochain démarrage de l&apos;application.</translation>
    </message>
    <message>
        <source>No camera is open. Switch the camera to USB video mode, plug it in, then choose %1 &gt; %2.</source>
        <extracomment>%1 and %2 are the menu and its item, as they are translated</extracomment>
        <translation>Aucune caméra n&apos;est ouverte. Passez la caméra en mode vidéo USB, branchez-la, puis choisissez %1 &gt; %2.</translation>
    </message>
    <message>
        <source>USB flash disk is open: %1</source>
        <extracomment>%1 is the mount point of the disk, or those of several disks with &quot;, &quot; between them.</extracomment>
        <translation>Lecteur USB connecté&#xa0;: %1</translation>
    </message>
    <message>
        <source>Camera unplugged; waiting for it</source>
        <translation>Caméra débranchée&#xa0;; en attente de son retour</translation>
    </message>
    <message>
        <source>Camera found on %1</source>
        <translation>Caméra trouvée sur %1</translation>
    </message>
    <message>
        <source>Open Recording...</source>
        <translation>Ouvrir un enregistrement...</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Record every camera frame to a file in the history folder</source>
        <translation>Enregistrer chaque image de la caméra dans un fichier du dossier de l&apos;historique</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Arrêter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Recording to %1</source>
        <translation>Enregistrement dans %1</translation>
    </message>
    <message>
        <source>The recording could not start: %1</source>
        <translation>Impossible de démarrer l&apos;enregistrement&#xa0;: %1</translation>
    </message>
    <message>
        <source>Open Recording</source>
        <translation>Ouvrir un enregistrement</translation>
    </message>
    <message>
        <source>KM420 recordings (*.km420rec);;All files (*)</source>
        <translation>Enregistrements KM420 (*.km420rec);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The recording %1 cannot be opened: %2</source>
        <translation>Impossible d&apos;ouvrir l&apos;enregistrement %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Recording saved: %1</source>
        <translation>Enregistrement sauvegardé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Recording stopped: %1
What was recorded is kept in %2.</source>
        <translation>Enregistrement interrompu&#xa0;: %1
Ce qui a été enregistré est conservé dans %2.</translation>
    </message>
    <message>
        <source>Layout Profiles...</source>
        <translation>Profils de disposition...</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Block Explorer...</source>
        <translation>Explorateur de blocs...</translation>
    </message>
    <message>
        <source>Find where a camera keeps its readings and build a layout profile</source>
        <translation>Trouver où une caméra range ses relevés et créer un profil de disposition</translation>
    </message>
    <message>
        <source>Annotated PNG, the view as shown (*.png)</source>
        <translation>PNG annoté, la vue telle qu&apos;affichée (*.png)</translation>
    </message>
    <message>
        <source>CSV, the levels of every pixel (*.csv)</source>
        <translation>CSV, les niveaux de chaque pixel (*.csv)</translation>
    </message>
</context>
<context>
    <name>OptionDialog</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinois</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russe</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>History files path</source>
        <translation>Dossier de l&apos;historique</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Choose path</source>
        <translation>Choisir un dossier</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>There is no picture to save.</source>
        <translation>Il n&apos;y a aucune image à enregistrer.</translation>
    </message>
    <message>
        <source>The picture cannot be encoded as PNG.</source>
        <translation>L&apos;image ne peut pas être encodée en PNG.</translation>
    </message>
</context>
<context>
    <name>PlaybackPane</name>
    <message>
        <source>Playback</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>No recording open</source>
        <translation>Aucun enregistrement ouvert</translation>
    </message>
    <message>
        <source>--</source>
        <translation>--</translation>
    </message>
    <message>
        <source>Frame:</source>
        <translation>Image&#xa0;:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Temps&#xa0;:</translation>
    </message>
    <message>
        <source>Play (Space)</source>
        <translation>Lecture (Espace)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Previous frame (Left)</source>
        <translation>Image précédente (Flèche gauche)</translation>
    </message>
    <message>
        <source>Previous frame</source>
        <translation>Image précédente</translation>
    </message>
    <message>
        <source>Next frame (Right)</source>
        <translation>Image suivante (Flèche droite)</translation>
    </message>
    <message>
        <source>Next frame</source>
        <translation>Image suivante</translation>
    </message>
    <message>
        <source>Position in the recording</source>
        <translation>Position dans l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Playback speed</source>
        <translation>Vitesse de lecture</translation>
    </message>
    <message>
        <source>%1x</source>
        <translation>%1x</translation>
    </message>
    <message>
        <source>As fast as possible</source>
        <translation>Aussi vite que possible</translation>
    </message>
    <message>
        <source>Colours of the picture</source>
        <translation>Couleurs de l&apos;image</translation>
    </message>
    <message>
        <source>As recorded</source>
        <translation>Comme à l&apos;enregistrement</translation>
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
        <translation>Pause (Espace)</translation>
    </message>
    <message>
        <source>Playback: %1</source>
        <translation>Lecture&#xa0;: %1</translation>
    </message>
    <message>
        <source>The recording holds no temperatures in a known layout.</source>
        <translation>L&apos;enregistrement ne contient aucune température dans un format connu.</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Damaged frames skipped: %1</source>
        <translation>Images endommagées ignorées&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>RecordingPlayer</name>
    <message>
        <source>The recording holds no frame that can be read.</source>
        <translation>L&apos;enregistrement ne contient aucune image lisible.</translation>
    </message>
</context>
<context>
    <name>RecordingReader</name>
    <message>
        <source>This is not a KM420 recording.</source>
        <translation>Ce fichier n&apos;est pas un enregistrement KM420.</translation>
    </message>
    <message>
        <source>The recording&apos;s header is damaged.</source>
        <translation>L&apos;en-tête de l&apos;enregistrement est endommagé.</translation>
    </message>
    <message>
        <source>The recording has a format version this program does not read (%1).</source>
        <translation>L&apos;enregistrement a une version de format que ce programme ne sait pas lire (%1).</translation>
    </message>
</context>
<context>
    <name>RecordingWriter</name>
    <message>
        <source>Less than %1 MB is free on the disk.</source>
        <translation>Il reste moins de %1&#xa0;Mo libres sur le disque.</translation>
    </message>
</context>
</TS>
