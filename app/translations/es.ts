<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ArchivePane</name>
    <message>
        <source>Disk:</source>
        <translation>Unidad:</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Search the disk for pictures again</source>
        <translation>Volver a buscar imágenes en la unidad</translation>
    </message>
    <message>
        <source>No disk</source>
        <translation>Ninguna unidad</translation>
    </message>
    <message>
        <source>Double-click a picture to open it.</source>
        <translation>Haga doble clic en una imagen para abrirla.</translation>
    </message>
    <message>
        <source>Searching for pictures...</source>
        <translation>Buscando imágenes...</translation>
    </message>
    <message>
        <source>Searching for pictures... %1 found</source>
        <translation>Buscando imágenes... Encontradas: %1</translation>
    </message>
    <message>
        <source>No pictures found</source>
        <translation>No se encontraron imágenes</translation>
    </message>
    <message>
        <source>Pictures: %1 (search stopped early)</source>
        <translation>Imágenes: %1 (búsqueda interrumpida)</translation>
    </message>
    <message>
        <source>Pictures: %1</source>
        <translation>Imágenes: %1</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>Abriendo %1...</translation>
    </message>
    <message>
        <source>Cannot show this picture.</source>
        <translation>No se puede mostrar esta imagen.</translation>
    </message>
    <message>
        <source>%1 x %2 pixels, %3</source>
        <translation>%1 x %2 píxeles, %3</translation>
    </message>
    <message>
        <source>Cannot open %1: it could not be read as a PNG, JPEG or BMP picture.</source>
        <translation>No se puede abrir %1: no se pudo leer como imagen PNG, JPEG o BMP.</translation>
    </message>
    <message>
        <source>Cannot open %1: it is not on the camera&apos;s disk.</source>
        <translation>No se puede abrir %1: no está en el disco de la cámara.</translation>
    </message>
    <message>
        <source>Cannot open %1: the file is no longer there.</source>
        <translation>No se puede abrir %1: el archivo ya no existe.</translation>
    </message>
    <message>
        <source>Cannot open %1: the file is too large.</source>
        <translation>No se puede abrir %1: el archivo es demasiado grande.</translation>
    </message>
</context>
<context>
    <name>BlockExplorer</name>
    <message>
        <source>Maximum level</source>
        <translation>Nivel máximo</translation>
    </message>
    <message>
        <source>Minimum level</source>
        <translation>Nivel mínimo</translation>
    </message>
    <message>
        <source>Mean level</source>
        <translation>Nivel medio</translation>
    </message>
    <message>
        <source>Block Explorer</source>
        <translation>Explorador de bloques</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Selección</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Desplazamiento</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Escala</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Sumando</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Correlation</source>
        <translation>Correlación</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Fotograma</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Find Candidates</source>
        <translation>Buscar candidatos</translation>
    </message>
    <message>
        <source>Search the kept frames for the bytes that follow the picture&apos;s levels best</source>
        <translation>Busca en los fotogramas guardados los bytes que mejor siguen los niveles de la imagen</translation>
    </message>
    <message>
        <source>r</source>
        <translation>r</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Mínimo</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Scale low</source>
        <translation>Escala inferior</translation>
    </message>
    <message>
        <source>Scale high</source>
        <translation>Escala superior</translation>
    </message>
    <message>
        <source>Frame counter</source>
        <translation>Contador de fotogramas</translation>
    </message>
    <message>
        <source>Add as Field</source>
        <translation>Añadir como campo</translation>
    </message>
    <message>
        <source>as the type</source>
        <translation>según el tipo</translation>
    </message>
    <message>
        <source> bytes</source>
        <translation> bytes</translation>
    </message>
    <message>
        <source>Add as Proof</source>
        <translation>Añadir como prueba</translation>
    </message>
    <message>
        <source>The selected bytes as they stand in the current frame prove the profile</source>
        <translation>Los bytes seleccionados, tal como están en el fotograma actual, prueban el perfil</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Guardar perfil</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Proof</source>
        <translation>Prueba</translation>
    </message>
    <message>
        <source>Holds</source>
        <translation>Contiene</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Lecturas</translation>
    </message>
    <message>
        <source>Candidates</source>
        <translation>Candidatos</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Frames of %1</source>
        <translation>Fotogramas de %1</translation>
    </message>
    <message>
        <source>Open a live or playback pane: its frames are explored here.</source>
        <translation>Abra un panel en vivo o de reproducción: sus fotogramas se exploran aquí.</translation>
    </message>
    <message>
        <source>%1 (raw %2)</source>
        <translation>%1 (bruto %2)</translation>
    </message>
    <message>
        <source>The selection leaves the camera&apos;s bytes: it is not followed over frames.</source>
        <translation>La selección sale de los bytes de la cámara: no se sigue a lo largo de los fotogramas.</translation>
    </message>
    <message>
        <source>r with the maximum level %1, the minimum level %2, the mean level %3</source>
        <translation>r con el nivel máximo %1, el nivel mínimo %2, el nivel medio %3</translation>
    </message>
    <message>
        <source>Searching %1 frames...</source>
        <translation>Buscando en %1 fotogramas...</translation>
    </message>
    <message>
        <source>No byte follows the levels: the levels or the bytes kept no change.</source>
        <translation>Ningún byte sigue los niveles: los niveles o los bytes no cambiaron.</translation>
    </message>
    <message>
        <source>A proof is taken from the current frame: no frame has come yet.</source>
        <translation>Una prueba se toma del fotograma actual: aún no ha llegado ningún fotograma.</translation>
    </message>
    <message>
        <source>%1: %2 at %3, x %4 + %5</source>
        <translation>%1: %2 en %3, × %4 + %5</translation>
    </message>
    <message>
        <source>proof: bytes %1 at %2</source>
        <translation>prueba: bytes %1 en %2</translation>
    </message>
    <message>
        <source>No frame yet.</source>
        <translation>Aún no hay fotogramas.</translation>
    </message>
    <message>
        <source>Max %1, Min %2, Centre %3</source>
        <translation>Máx. %1, mín. %2, centro %3</translation>
    </message>
    <message>
        <source>Without a proof camdesk never takes this profile for a frame.</source>
        <translation>Sin prueba, camdesk nunca usa este perfil para un fotograma.</translation>
    </message>
    <message>
        <source>The proof does not hold for this frame: the readings box shows none of this.</source>
        <translation>La prueba no se cumple en este fotograma: el cuadro de lecturas no muestra nada de esto.</translation>
    </message>
    <message>
        <source>Give the profile a name before saving it.</source>
        <translation>Dé un nombre al perfil antes de guardarlo.</translation>
    </message>
    <message>
        <source>The profile cannot be saved: %1</source>
        <translation>No se puede guardar el perfil: %1</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>The profile cannot be written to %1: %2</source>
        <translation>No se puede escribir el perfil en %1: %2</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Guardado en %1</translation>
    </message>
    <message>
        <source>%1 °C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>Layout: %1</source>
        <translation>Disposición: %1</translation>
    </message>
</context>
<context>
    <name>BlockModel</name>
    <message>
        <source>Offset %1: 0x%2 (%3), changed %4 times in the last %5 frames</source>
        <translation>Desplazamiento %1: 0x%2 (%3), cambió %4 veces en los últimos %5 fotogramas</translation>
    </message>
</context>
<context>
    <name>ChildPane</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Cerrar esta ventana</translation>
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
        <translation>El fotograma no contiene temperaturas en un formato conocido.</translation>
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
        <translation>Hacer clic en la imagen para colocar un punto (hasta 8)</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Recuadro</translation>
    </message>
    <message>
        <source>Drag on the picture to place a box (up to 4)</source>
        <translation>Arrastrar sobre la imagen para colocar un recuadro (hasta 4)</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Drag on the picture to draw the line of a profile</source>
        <translation>Arrastrar sobre la imagen para trazar la línea de un perfil</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Remove every spot, box and line</source>
        <translation>Quitar todos los puntos, recuadros y líneas</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Histograma</translation>
    </message>
    <message>
        <source>Show the levels&apos; histogram</source>
        <translation>Mostrar el histograma de los niveles</translation>
    </message>
    <message>
        <source>Hold scale</source>
        <translation>Fijar escala</translation>
    </message>
    <message>
        <source>Keep the colours fixed while the camera re-ranges</source>
        <translation>Mantener fijos los colores mientras la cámara cambia de rango</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Suavizar</translation>
    </message>
    <message>
        <source>Enlarge smoothly instead of by whole pixels</source>
        <translation>Ampliar de forma suave en lugar de por píxeles enteros</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Turn the picture a quarter clockwise</source>
        <translation>Girar la imagen un cuarto de vuelta en el sentido de las agujas del reloj</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Reflejar</translation>
    </message>
    <message>
        <source>Mirror the picture left to right</source>
        <translation>Reflejar la imagen de izquierda a derecha</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Mediciones</translation>
    </message>
    <message>
        <source>Layout:</source>
        <translation>Disposición:</translation>
    </message>
    <message>
        <source>Max:</source>
        <translation>Máxima:</translation>
    </message>
    <message>
        <source>Min:</source>
        <translation>Mínima:</translation>
    </message>
    <message>
        <source>Centre:</source>
        <translation>Centro:</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Medidas en la imagen</translation>
    </message>
    <message>
        <source>No markers: choose Spot, Box or Line and use the picture.</source>
        <translation>No hay marcadores: elija Punto, Recuadro o Línea y use la imagen.</translation>
    </message>
    <message>
        <source>hot</source>
        <translation>caliente</translation>
    </message>
    <message>
        <source>cold</source>
        <translation>frío</translation>
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
        <translation>R%1: mín. %2, máx. %3, media %4</translation>
    </message>
    <message>
        <source>B%1</source>
        <translation>R%1</translation>
    </message>
    <message>
        <source>Line: %1 pixels, min %2, max %3</source>
        <translation>Línea: %1 píxeles, mín. %2, máx. %3</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>No picture data in this frame.</source>
        <translation>Este fotograma no contiene datos de imagen.</translation>
    </message>
    <message>
        <source>Levels (0-255) and temperatures from %1:</source>
        <translation>Niveles (0-255) y temperaturas de %1:</translation>
    </message>
    <message>
        <source>Levels (0-255); no temperatures in this frame.</source>
        <translation>Niveles (0-255); no hay temperaturas en este fotograma.</translation>
    </message>
    <message>
        <source>Held scale, from %1:</source>
        <translation>Escala fija, de %1:</translation>
    </message>
    <message>
        <source>the layout held</source>
        <translation>la disposición fijada</translation>
    </message>
    <message>
        <source>Held level window (drag the handles on the colour scale):</source>
        <translation>Ventana de niveles fija (arrastre los tiradores de la escala de colores):</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tiempo: %1</translation>
    </message>
    <message>
        <source>Layout: %1</source>
        <translation>Disposición: %1</translation>
    </message>
    <message>
        <source>Max: %1   Min: %2   Centre: %3</source>
        <translation>Máxima: %1   Mínima: %2   Centro: %3</translation>
    </message>
    <message>
        <source>Turned: %1</source>
        <translation>Rotación: %1</translation>
    </message>
    <message>
        <source>Held scale: %1 to %2, from %3</source>
        <translation>Escala fija: %1 a %2, de %3</translation>
    </message>
    <message>
        <source>Held level window: %1 to %2</source>
        <translation>Ventana de niveles fija: %1 a %2</translation>
    </message>
    <message>
        <source>There are no levels to save: the picture came without its frame.</source>
        <translation>No hay niveles que guardar: la imagen llegó sin su fotograma.</translation>
    </message>
</context>
<context>
    <name>LayoutsDialog</name>
    <message>
        <source>Layout Profiles</source>
        <translation>Perfiles de disposición</translation>
    </message>
    <message>
        <source>camdesk shows temperatures only from frames that one of these profiles proves. Your own profiles go in %1.</source>
        <translation>camdesk solo muestra temperaturas de las imágenes que uno de estos perfiles reconoce. Sus propios perfiles van en %1.</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>%1 (no proof: not used)</source>
        <translation>%1 (sin prueba: no se usa)</translation>
    </message>
    <message>
        <source>built in</source>
        <translation>integrado</translation>
    </message>
    <message>
        <source>Ignored: %1</source>
        <translation>Ignorado: %1</translation>
    </message>
</context>
<context>
    <name>LensFeed</name>
    <message>
        <source>Choose Camera</source>
        <translation>Seleccionar cámara</translation>
    </message>
    <message>
        <source>Cameras:</source>
        <translation>Cámaras:</translation>
    </message>
    <message>
        <source>Data stream was failed,the application will be close.</source>
        <translation>Se ha producido un error en el flujo de datos de la cámara. Se cerrará la conexión con la cámara.</translation>
    </message>
</context>
<context>
    <name>LevelChart</name>
    <message>
        <source>level</source>
        <translation>nivel</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>píxeles</translation>
    </message>
    <message>
        <source>This build of camdesk has no charts.</source>
        <translation>Esta compilación de camdesk no tiene gráficos.</translation>
    </message>
    <message>
        <source>along the line</source>
        <translation>a lo largo de la línea</translation>
    </message>
</context>
<context>
    <name>LivePane</name>
    <message>
        <source>Waiting for the camera...</source>
        <translation>Esperando a la cámara...</translation>
    </message>
    <message>
        <source>--</source>
        <translation>--</translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation>Velocidad de fotogramas:</translation>
    </message>
    <message>
        <source>Frames shown:</source>
        <translation>Fotogramas mostrados:</translation>
    </message>
    <message>
        <source>Silence</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Stop the alarm sound</source>
        <translation>Detener el sonido de la alarma</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
    <message>
        <source>Enable alarm</source>
        <translation>Activar alarma</translation>
    </message>
    <message>
        <source>Alarm above high limit</source>
        <translation>Alarma por encima del umbral superior</translation>
    </message>
    <message>
        <source>Alarm below low limit</source>
        <translation>Alarma por debajo del umbral inferior</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Write alarm log</source>
        <translation>Guardar registro de alarmas</translation>
    </message>
    <message>
        <source>Camera settings</source>
        <translation>Configuración de la cámara</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Send these settings to the camera</source>
        <translation>Enviar esta configuración a la cámara</translation>
    </message>
    <message>
        <source>High limit:</source>
        <translation>Umbral superior:</translation>
    </message>
    <message>
        <source>Low limit:</source>
        <translation>Umbral inferior:</translation>
    </message>
    <message>
        <source>Emissivity:</source>
        <translation>Emisividad:</translation>
    </message>
    <message>
        <source>Alarm off</source>
        <translation>Alarma desactivada</translation>
    </message>
    <message>
        <source>No alarm</source>
        <translation>Sin alarma</translation>
    </message>
    <message>
        <source>ALARM: too hot and too cold</source>
        <translation>ALARMA: temperatura demasiado alta y demasiado baja</translation>
    </message>
    <message>
        <source>ALARM: too hot</source>
        <translation>ALARMA: temperatura demasiado alta</translation>
    </message>
    <message>
        <source>ALARM: too cold</source>
        <translation>ALARMA: temperatura demasiado baja</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <translation>%1 fps</translation>
    </message>
    <message>
        <source>No temperatures to watch</source>
        <translation>No hay temperaturas que vigilar</translation>
    </message>
    <message>
        <source>The camera reports no temperatures in a known layout.</source>
        <translation>La cámara no informa temperaturas en un formato conocido.</translation>
    </message>
    <message>
        <source>No history folder is set; choose one in File &gt; Option.</source>
        <translation>No hay ninguna carpeta del historial; elija una en Archivo &gt; Opciones.</translation>
    </message>
    <message>
        <source>The history folder %1 cannot be created.</source>
        <translation>No se puede crear la carpeta del historial %1.</translation>
    </message>
    <message>
        <source>A layout profile without proof, for a camera whose frames no profile proves</source>
        <translation>Un perfil de disposición sin prueba, para una cámara cuyas imágenes no reconoce ningún perfil</translation>
    </message>
    <message>
        <source>Layout: proven only</source>
        <translation>Disposición: solo reconocidas</translation>
    </message>
    <message>
        <source>Layout: %1 (unverified)</source>
        <translation>Disposición: %1 (sin verificar)</translation>
    </message>
</context>
<context>
    <name>LiveReadings</name>
    <message>
        <source>values out of range for %1</source>
        <translation>valores fuera de rango para %1</translation>
    </message>
    <message>
        <source>%1 (unverified)</source>
        <translation>%1 (sin verificar)</translation>
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
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Can not open file.</source>
        <translation>No se puede abrir el archivo.</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capturar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>User Manual</source>
        <translation>Manual de usuario</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Trying to open device...</source>
        <translation>Abriendo el dispositivo...</translation>
    </message>
    <message>
        <source>Failed to open device</source>
        <translation>No se pudo abrir el dispositivo</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activo</translation>
    </message>
    <message>
        <source>USB flash disk is open</source>
        <translation>Unidad USB conectada</translation>
    </message>
    <message>
        <source>Camera is open</source>
        <translation>Cámara conectada</translation>
    </message>
    <message>
        <source>USB flash disk is close</source>
        <translation>Unidad USB desconectada</translation>
    </message>
    <message>
        <source>Camera is close</source>
        <translation>Cámara desconectada</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>PNG (*.png )</source>
        <translation>Imagen PNG (*.png )</translation>
    </message>
    <message>
        <source>Picture saved successfully.</source>
        <translation>La imagen se ha guardado correctamente.</translation>
    </message>
    <message>
        <source>Failed to save picture.</source>
        <translation>No se pudo guardar la imagen.</translation>
    </message>
    <message>
        <source>Changes will take effect when you restart application.</source>
        <translation>Los cambios se aplicarán al reiniciar la aplicación.</translation>
    </message>
    <message>
        <source>No camera is open. Switch the camera to USB video mode, plug it in, then choose %1 &gt; %2.</source>
        <extracomment>%1 and %2 are the menu and its item, as they are translated</extracomment>
        <translation>No hay ninguna cámara abierta. Ponga la cámara en modo de vídeo USB, conéctela y elija %1 &gt; %2.</translation>
    </message>
    <message>
        <source>USB flash disk is open: %1</source>
        <extracomment>%1 is the mount point of the disk, or those of several disks with &quot;, &quot; between them.</extracomment>
        <translation>Unidad USB conectada: %1</translation>
    </message>
    <message>
        <source>Camera unplugged; waiting for it</source>
        <translation>Cámara desconectada; esperando a que vuelva</translation>
    </message>
    <message>
        <source>Camera found on %1</source>
        <translation>Cámara encontrada en %1</translation>
    </message>
    <message>
        <source>Open Recording...</source>
        <translation>Abrir grabación...</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Record every camera frame to a file in the history folder</source>
        <translation>Grabar cada fotograma de la cámara en un archivo de la carpeta del historial</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Detener grabación</translation>
    </message>
    <message>
        <source>Recording to %1</source>
        <translation>Grabando en %1</translation>
    </message>
    <message>
        <source>The recording could not start: %1</source>
        <translation>No se pudo iniciar la grabación: %1</translation>
    </message>
    <message>
        <source>Open Recording</source>
        <translation>Abrir grabación</translation>
    </message>
    <message>
        <source>KM420 recordings (*.km420rec);;All files (*)</source>
        <translation>Grabaciones KM420 (*.km420rec);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The recording %1 cannot be opened: %2</source>
        <translation>No se puede abrir la grabación %1: %2</translation>
    </message>
    <message>
        <source>Recording saved: %1</source>
        <translation>Grabación guardada: %1</translation>
    </message>
    <message>
        <source>Recording stopped: %1
What was recorded is kept in %2.</source>
        <translation>Grabación detenida: %1
Lo grabado hasta ese momento se conserva en %2.</translation>
    </message>
    <message>
        <source>Layout Profiles...</source>
        <translation>Perfiles de disposición...</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Block Explorer...</source>
        <translation>Explorador de bloques...</translation>
    </message>
    <message>
        <source>Find where a camera keeps its readings and build a layout profile</source>
        <translation>Encontrar dónde guarda una cámara sus lecturas y crear un perfil de disposición</translation>
    </message>
    <message>
        <source>Annotated PNG, the view as shown (*.png)</source>
        <translation>PNG anotado, la vista tal como se muestra (*.png)</translation>
    </message>
    <message>
        <source>CSV, the levels of every pixel (*.csv)</source>
        <translation>CSV, los niveles de cada píxel (*.csv)</translation>
    </message>
</context>
<context>
    <name>OptionDialog</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chino</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruso</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonés</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>History files path</source>
        <translation>Carpeta del historial</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Choose path</source>
        <translation>Seleccionar carpeta</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>There is no picture to save.</source>
        <translation>No hay ninguna imagen que guardar.</translation>
    </message>
    <message>
        <source>The picture cannot be encoded as PNG.</source>
        <translation>La imagen no se puede codificar como PNG.</translation>
    </message>
</context>
<context>
    <name>PlaybackPane</name>
    <message>
        <source>Playback</source>
        <translation>Reproducción</translation>
    </message>
    <message>
        <source>No recording open</source>
        <translation>Ninguna grabación abierta</translation>
    </message>
    <message>
        <source>--</source>
        <translation>--</translation>
    </message>
    <message>
        <source>Frame:</source>
        <translation>Fotograma:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tiempo:</translation>
    </message>
    <message>
        <source>Play (Space)</source>
        <translation>Reproducir (Espacio)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Previous frame (Left)</source>
        <translation>Fotograma anterior (Flecha izquierda)</translation>
    </message>
    <message>
        <source>Previous frame</source>
        <translation>Fotograma anterior</translation>
    </message>
    <message>
        <source>Next frame (Right)</source>
        <translation>Fotograma siguiente (Flecha derecha)</translation>
    </message>
    <message>
        <source>Next frame</source>
        <translation>Fotograma siguiente</translation>
    </message>
    <message>
        <source>Position in the recording</source>
        <translation>Posición en la grabación</translation>
    </message>
    <message>
        <source>Playback speed</source>
        <translation>Velocidad de reproducción</translation>
    </message>
    <message>
        <source>%1x</source>
        <translation>%1x</translation>
    </message>
    <message>
        <source>As fast as possible</source>
        <translation>Lo más rápido posible</translation>
    </message>
    <message>
        <source>Colours of the picture</source>
        <translation>Colores de la imagen</translation>
    </message>
    <message>
        <source>As recorded</source>
        <translation>Como se grabó</translation>
    </message>
    <message>
        <source>Palette %1</source>
        <translation>Paleta %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Pause (Space)</source>
        <translation>Pausa (Espacio)</translation>
    </message>
    <message>
        <source>Playback: %1</source>
        <translation>Reproducción: %1</translation>
    </message>
    <message>
        <source>The recording holds no temperatures in a known layout.</source>
        <translation>La grabación no contiene temperaturas en un formato conocido.</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Damaged frames skipped: %1</source>
        <translation>Fotogramas dañados omitidos: %1</translation>
    </message>
</context>
<context>
    <name>RecordingPlayer</name>
    <message>
        <source>The recording holds no frame that can be read.</source>
        <translation>La grabación no contiene ningún fotograma legible.</translation>
    </message>
</context>
<context>
    <name>RecordingReader</name>
    <message>
        <source>This is not a KM420 recording.</source>
        <translation>El archivo no es una grabación KM420.</translation>
    </message>
    <message>
        <source>The recording&apos;s header is damaged.</source>
        <translation>El encabezado de la grabación está dañado.</translation>
    </message>
    <message>
        <source>The recording has a format version this program does not read (%1).</source>
        <translation>La grabación tiene una versión de formato que este programa no puede leer (%1).</translation>
    </message>
</context>
<context>
    <name>RecordingWriter</name>
    <message>
        <source>Less than %1 MB is free on the disk.</source>
        <translation>Quedan menos de %1 MB libres en el disco.</translation>
    </message>
</context>
</TS>
