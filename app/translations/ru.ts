<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ArchivePane</name>
    <message>
        <source>Disk:</source>
        <translation>Накопитель:</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Search the disk for pictures again</source>
        <translation>Снова найти изображения на накопителе</translation>
    </message>
    <message>
        <source>No disk</source>
        <translation>Нет накопителя</translation>
    </message>
    <message>
        <source>Double-click a picture to open it.</source>
        <translation>Дважды щелкните изображение, чтобы открыть его.</translation>
    </message>
    <message>
        <source>Searching for pictures...</source>
        <translation>Поиск изображений...</translation>
    </message>
    <message>
        <source>Searching for pictures... %1 found</source>
        <translation>Поиск изображений... Найдено: %1</translation>
    </message>
    <message>
        <source>No pictures found</source>
        <translation>Изображения не найдены</translation>
    </message>
    <message>
        <source>Pictures: %1 (search stopped early)</source>
        <translation>Изображений: %1 (поиск прерван)</translation>
    </message>
    <message>
        <source>Pictures: %1</source>
        <translation>Изображений: %1</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>Открытие %1...</translation>
    </message>
    <message>
        <source>Cannot show this picture.</source>
        <translation>Не удается показать это изображение.</translation>
    </message>
    <message>
        <source>%1 x %2 pixels, %3</source>
        <translation>%1 x %2 пикс., %3</translation>
    </message>
    <message>
        <source>Cannot open %1: it could not be read as a PNG, JPEG or BMP picture.</source>
        <translation>Не удаётся открыть %1: файл не читается как изображение PNG, JPEG или BMP.</translation>
    </message>
    <message>
        <source>Cannot open %1: it is not on the camera&apos;s disk.</source>
        <translation>Не удаётся открыть %1: файл находится не на диске камеры.</translation>
    </message>
    <message>
        <source>Cannot open %1: the file is no longer there.</source>
        <translation>Не удаётся открыть %1: файла больше нет.</translation>
    </message>
    <message>
        <source>Cannot open %1: the file is too large.</source>
        <translation>Не удаётся открыть %1: файл слишком большой.</translation>
    </message>
</context>
<context>
    <name>BlockExplorer</name>
    <message>
        <source>Maximum level</source>
        <translation>Максимальный уровень</translation>
    </message>
    <message>
        <source>Minimum level</source>
        <translation>Минимальный уровень</translation>
    </message>
    <message>
        <source>Mean level</source>
        <translation>Средний уровень</translation>
    </message>
    <message>
        <source>Block Explorer</source>
        <translation>Обозреватель блоков</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Выбор</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Смещение</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Множитель</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Слагаемое</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>Correlation</source>
        <translation>Корреляция</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Кадр</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Find Candidates</source>
        <translation>Найти кандидатов</translation>
    </message>
    <message>
        <source>Search the kept frames for the bytes that follow the picture&apos;s levels best</source>
        <translation>Ищет в сохранённых кадрах байты, лучше всего следующие за уровнями изображения</translation>
    </message>
    <message>
        <source>r</source>
        <translation>r</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Максимум</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Минимум</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Центр</translation>
    </message>
    <message>
        <source>Scale low</source>
        <translation>Нижняя граница шкалы</translation>
    </message>
    <message>
        <source>Scale high</source>
        <translation>Верхняя граница шкалы</translation>
    </message>
    <message>
        <source>Frame counter</source>
        <translation>Счётчик кадров</translation>
    </message>
    <message>
        <source>Add as Field</source>
        <translation>Добавить как поле</translation>
    </message>
    <message>
        <source>as the type</source>
        <translation>по типу</translation>
    </message>
    <message>
        <source> bytes</source>
        <translation> байт</translation>
    </message>
    <message>
        <source>Add as Proof</source>
        <translation>Добавить как признак</translation>
    </message>
    <message>
        <source>The selected bytes as they stand in the current frame prove the profile</source>
        <translation>Выбранные байты в том виде, как они стоят в текущем кадре, подтверждают профиль</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Сохранить профиль</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>Proof</source>
        <translation>Признак</translation>
    </message>
    <message>
        <source>Holds</source>
        <translation>Содержит</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Показания</translation>
    </message>
    <message>
        <source>Candidates</source>
        <translation>Кандидаты</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Профиль</translation>
    </message>
    <message>
        <source>Frames of %1</source>
        <translation>Кадры окна %1</translation>
    </message>
    <message>
        <source>Open a live or playback pane: its frames are explored here.</source>
        <translation>Откройте окно живого видео или воспроизведения: его кадры просматриваются здесь.</translation>
    </message>
    <message>
        <source>%1 (raw %2)</source>
        <translation>%1 (исходное %2)</translation>
    </message>
    <message>
        <source>The selection leaves the camera&apos;s bytes: it is not followed over frames.</source>
        <translation>Выбор выходит за байты камеры: по кадрам он не отслеживается.</translation>
    </message>
    <message>
        <source>r with the maximum level %1, the minimum level %2, the mean level %3</source>
        <translation>r с максимальным уровнем %1, с минимальным %2, со средним %3</translation>
    </message>
    <message>
        <source>Searching %1 frames...</source>
        <translation>Поиск по %1 кадрам...</translation>
    </message>
    <message>
        <source>No byte follows the levels: the levels or the bytes kept no change.</source>
        <translation>Ни один байт не следует за уровнями: уровни или байты не менялись.</translation>
    </message>
    <message>
        <source>A proof is taken from the current frame: no frame has come yet.</source>
        <translation>Признак берётся из текущего кадра: кадров ещё не было.</translation>
    </message>
    <message>
        <source>%1: %2 at %3, x %4 + %5</source>
        <translation>%1: %2 по смещению %3, × %4 + %5</translation>
    </message>
    <message>
        <source>proof: bytes %1 at %2</source>
        <translation>признак: байты %1 по смещению %2</translation>
    </message>
    <message>
        <source>No frame yet.</source>
        <translation>Кадров пока нет.</translation>
    </message>
    <message>
        <source>Max %1, Min %2, Centre %3</source>
        <translation>Макс. %1, мин. %2, центр %3</translation>
    </message>
    <message>
        <source>Without a proof camdesk never takes this profile for a frame.</source>
        <translation>Без признака camdesk никогда не применяет этот профиль к кадру.</translation>
    </message>
    <message>
        <source>The proof does not hold for this frame: the readings box shows none of this.</source>
        <translation>Признак не выполняется для этого кадра: окно показаний ничего из этого не покажет.</translation>
    </message>
    <message>
        <source>Give the profile a name before saving it.</source>
        <translation>Дайте профилю имя перед сохранением.</translation>
    </message>
    <message>
        <source>The profile cannot be saved: %1</source>
        <translation>Профиль нельзя сохранить: %1</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Не удаётся создать папку %1.</translation>
    </message>
    <message>
        <source>The profile cannot be written to %1: %2</source>
        <translation>Не удаётся записать профиль в %1: %2</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Сохранено в %1</translation>
    </message>
    <message>
        <source>%1 °C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>Layout: %1</source>
        <translation>Разметка: %1</translation>
    </message>
</context>
<context>
    <name>BlockModel</name>
    <message>
        <source>Offset %1: 0x%2 (%3), changed %4 times in the last %5 frames</source>
        <translation>Смещение %1: 0x%2 (%3), изменялось %4 раз за последние %5 кадров</translation>
    </message>
</context>
<context>
    <name>ChildPane</name>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Закрыть это окно</translation>
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
        <translation>Кадр не содержит температур в известном формате.</translation>
    </message>
    <message>
        <source>--</source>
        <translation>--</translation>
    </message>
    <message>
        <source>Spot</source>
        <translation>Точка</translation>
    </message>
    <message>
        <source>Click the picture to place a spot (up to 8)</source>
        <translation>Поставить точку щелчком по изображению (до 8)</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Область</translation>
    </message>
    <message>
        <source>Drag on the picture to place a box (up to 4)</source>
        <translation>Задать область, протянув мышь по изображению (до 4)</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Линия</translation>
    </message>
    <message>
        <source>Drag on the picture to draw the line of a profile</source>
        <translation>Провести линию профиля, протянув мышь по изображению</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Remove every spot, box and line</source>
        <translation>Удалить все точки, области и линии</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Гистограмма</translation>
    </message>
    <message>
        <source>Show the levels&apos; histogram</source>
        <translation>Показать гистограмму уровней</translation>
    </message>
    <message>
        <source>Hold scale</source>
        <translation>Зафиксировать шкалу</translation>
    </message>
    <message>
        <source>Keep the colours fixed while the camera re-ranges</source>
        <translation>Сохранять цвета неизменными, пока камера меняет диапазон</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Сглаживание</translation>
    </message>
    <message>
        <source>Enlarge smoothly instead of by whole pixels</source>
        <translation>Увеличивать плавно, а не целыми пикселями</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Повернуть</translation>
    </message>
    <message>
        <source>Turn the picture a quarter clockwise</source>
        <translation>Повернуть изображение на четверть оборота по часовой стрелке</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Отразить</translation>
    </message>
    <message>
        <source>Mirror the picture left to right</source>
        <translation>Отразить изображение слева направо</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Показания</translation>
    </message>
    <message>
        <source>Layout:</source>
        <translation>Разметка:</translation>
    </message>
    <message>
        <source>Max:</source>
        <translation>Максимум:</translation>
    </message>
    <message>
        <source>Min:</source>
        <translation>Минимум:</translation>
    </message>
    <message>
        <source>Centre:</source>
        <translation>Центр:</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Измерения на изображении</translation>
    </message>
    <message>
        <source>No markers: choose Spot, Box or Line and use the picture.</source>
        <translation>Нет меток: выберите «Точка», «Область» или «Линия» и работайте с изображением.</translation>
    </message>
    <message>
        <source>hot</source>
        <translation>горячо</translation>
    </message>
    <message>
        <source>cold</source>
        <translation>холодно</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>S%1: %2</source>
        <translation>Т%1: %2</translation>
    </message>
    <message>
        <source>S%1 %2</source>
        <translation>Т%1 %2</translation>
    </message>
    <message>
        <source>B%1: min %2, max %3, mean %4</source>
        <translation>О%1: мин. %2, макс. %3, сред. %4</translation>
    </message>
    <message>
        <source>B%1</source>
        <translation>О%1</translation>
    </message>
    <message>
        <source>Line: %1 pixels, min %2, max %3</source>
        <translation>Линия: %1 пикс., мин. %2, макс. %3</translation>
    </message>
    <message>
        <source>L</source>
        <translation>Л</translation>
    </message>
    <message>
        <source>No picture data in this frame.</source>
        <translation>В этом кадре нет данных изображения.</translation>
    </message>
    <message>
        <source>Levels (0-255) and temperatures from %1:</source>
        <translation>Уровни (0-255) и температуры по %1:</translation>
    </message>
    <message>
        <source>Levels (0-255); no temperatures in this frame.</source>
        <translation>Уровни (0-255); температур в этом кадре нет.</translation>
    </message>
    <message>
        <source>Held scale, from %1:</source>
        <translation>Зафиксированная шкала, по %1:</translation>
    </message>
    <message>
        <source>the layout held</source>
        <translation>зафиксированной разметке</translation>
    </message>
    <message>
        <source>Held level window (drag the handles on the colour scale):</source>
        <translation>Зафиксированное окно уровней (перетащите ползунки на цветовой шкале):</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Время: %1</translation>
    </message>
    <message>
        <source>Layout: %1</source>
        <translation>Разметка: %1</translation>
    </message>
    <message>
        <source>Max: %1   Min: %2   Centre: %3</source>
        <translation>Максимум: %1   Минимум: %2   Центр: %3</translation>
    </message>
    <message>
        <source>Turned: %1</source>
        <translation>Поворот: %1</translation>
    </message>
    <message>
        <source>Held scale: %1 to %2, from %3</source>
        <translation>Зафиксированная шкала: от %1 до %2, по %3</translation>
    </message>
    <message>
        <source>Held level window: %1 to %2</source>
        <translation>Зафиксированное окно уровней: от %1 до %2</translation>
    </message>
    <message>
        <source>There are no levels to save: the picture came without its frame.</source>
        <translation>Нет уровней для сохранения: изображение пришло без своего кадра.</translation>
    </message>
</context>
<context>
    <name>LayoutsDialog</name>
    <message>
        <source>Layout Profiles</source>
        <translation>Профили разметки</translation>
    </message>
    <message>
        <source>camdesk shows temperatures only from frames that one of these profiles proves. Your own profiles go in %1.</source>
        <translation>camdesk показывает температуры только для кадров, которые подтверждает один из этих профилей. Свои профили кладите в %1.</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Профиль</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Перечитать</translation>
    </message>
    <message>
        <source>%1 (no proof: not used)</source>
        <translation>%1 (без подтверждения: не используется)</translation>
    </message>
    <message>
        <source>built in</source>
        <translation>встроенный</translation>
    </message>
    <message>
        <source>Ignored: %1</source>
        <translation>Пропущен: %1</translation>
    </message>
</context>
<context>
    <name>LensFeed</name>
    <message>
        <source>Choose Camera</source>
        <translation>Выбор камеры</translation>
    </message>
    <message>
        <source>Cameras:</source>
        <translation>Камеры:</translation>
    </message>
    <message>
        <source>Data stream was failed,the application will be close.</source>
        <translation>Сбой потока данных камеры. Соединение с камерой будет закрыто.</translation>
    </message>
</context>
<context>
    <name>LevelChart</name>
    <message>
        <source>level</source>
        <translation>уровень</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>пиксели</translation>
    </message>
    <message>
        <source>This build of camdesk has no charts.</source>
        <translation>Эта сборка camdesk не содержит графиков.</translation>
    </message>
    <message>
        <source>along the line</source>
        <translation>вдоль линии</translation>
    </message>
</context>
<context>
    <name>LivePane</name>
    <message>
        <source>Waiting for the camera...</source>
        <translation>Ожидание камеры...</translation>
    </message>
    <message>
        <source>--</source>
        <translation>--</translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation>Частота кадров:</translation>
    </message>
    <message>
        <source>Frames shown:</source>
        <translation>Показано кадров:</translation>
    </message>
    <message>
        <source>Silence</source>
        <translation>Заглушить</translation>
    </message>
    <message>
        <source>Stop the alarm sound</source>
        <translation>Выключить звук тревоги</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Сигнализация</translation>
    </message>
    <message>
        <source>Enable alarm</source>
        <translation>Включить сигнализацию</translation>
    </message>
    <message>
        <source>Alarm above high limit</source>
        <translation>Тревога выше верхнего порога</translation>
    </message>
    <message>
        <source>Alarm below low limit</source>
        <translation>Тревога ниже нижнего порога</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Write alarm log</source>
        <translation>Вести журнал тревог</translation>
    </message>
    <message>
        <source>Camera settings</source>
        <translation>Настройки камеры</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Send these settings to the camera</source>
        <translation>Отправить эти настройки в камеру</translation>
    </message>
    <message>
        <source>High limit:</source>
        <translation>Верхний порог:</translation>
    </message>
    <message>
        <source>Low limit:</source>
        <translation>Нижний порог:</translation>
    </message>
    <message>
        <source>Emissivity:</source>
        <translation>Коэффициент излучения:</translation>
    </message>
    <message>
        <source>Alarm off</source>
        <translation>Сигнализация выключена</translation>
    </message>
    <message>
        <source>No alarm</source>
        <translation>Нет тревоги</translation>
    </message>
    <message>
        <source>ALARM: too hot and too cold</source>
        <translation>ТРЕВОГА: слишком высокая и слишком низкая температура</translation>
    </message>
    <message>
        <source>ALARM: too hot</source>
        <translation>ТРЕВОГА: слишком высокая температура</translation>
    </message>
    <message>
        <source>ALARM: too cold</source>
        <translation>ТРЕВОГА: слишком низкая температура</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <translation>%1 кадр/с</translation>
    </message>
    <message>
        <source>No temperatures to watch</source>
        <translation>Нет температур для контроля</translation>
    </message>
    <message>
        <source>The camera reports no temperatures in a known layout.</source>
        <translation>Камера не передаёт температуры в известном формате.</translation>
    </message>
    <message>
        <source>No history folder is set; choose one in File &gt; Option.</source>
        <translation>Папка истории не задана; выберите её в меню Файл &gt; Параметры.</translation>
    </message>
    <message>
        <source>The history folder %1 cannot be created.</source>
        <translation>Не удаётся создать папку истории %1.</translation>
    </message>
    <message>
        <source>A layout profile without proof, for a camera whose frames no profile proves</source>
        <translation>Профиль разметки без подтверждения — для камеры, кадры которой не подтверждает ни один профиль</translation>
    </message>
    <message>
        <source>Layout: proven only</source>
        <translation>Разметка: только подтверждённые</translation>
    </message>
    <message>
        <source>Layout: %1 (unverified)</source>
        <translation>Разметка: %1 (не подтверждена)</translation>
    </message>
</context>
<context>
    <name>LiveReadings</name>
    <message>
        <source>values out of range for %1</source>
        <translation>значения вне допустимого диапазона для %1</translation>
    </message>
    <message>
        <source>%1 (unverified)</source>
        <translation>%1 (не подтверждена)</translation>
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
        <translation>Файл</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Can not open file.</source>
        <translation>Не удается открыть файл.</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Подключить</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Снимок</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>User Manual</source>
        <translation>Руководство пользователя</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Trying to open device...</source>
        <translation>Открытие устройства...</translation>
    </message>
    <message>
        <source>Failed to open device</source>
        <translation>Не удалось открыть устройство</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Активно</translation>
    </message>
    <message>
        <source>USB flash disk is open</source>
        <translation>USB-накопитель подключен</translation>
    </message>
    <message>
        <source>Camera is open</source>
        <translation>Камера подключена</translation>
    </message>
    <message>
        <source>USB flash disk is close</source>
        <translation>USB-накопитель отключен</translation>
    </message>
    <message>
        <source>Camera is close</source>
        <translation>Камера отключена</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Сохранить изображение</translation>
    </message>
    <message>
        <source>PNG (*.png )</source>
        <translation>Изображение PNG (*.png )</translation>
    </message>
    <message>
        <source>Picture saved successfully.</source>
        <translation>Изображение сохранено.</translation>
    </message>
    <message>
        <source>Failed to save picture.</source>
        <translation>Не удалось сохранить изображение.</translation>
    </message>
    <message>
        <source>Changes will take effect when you restart application.</source>
        <translation>Изменения вступят в силу после перезапуска приложения.</translation>
    </message>
    <message>
        <source>No camera is open. Switch the camera to USB video mode, plug it in, then choose %1 &gt; %2.</source>
        <extracomment>%1 and %2 are the menu and its item, as they are translated</extracomment>
        <translation>Камера не открыта. Переключите камеру в режим USB-видео, подключите её и выберите %1 &gt; %2.</translation>
    </message>
    <message>
        <source>USB flash disk is open: %1</source>
        <extracomment>%1 is the mount point of the disk, or those of several disks with &quot;, &quot; between them.</extracomment>
        <translation>USB-накопитель подключен: %1</translation>
    </message>
    <message>
        <source>Camera unplugged; waiting for it</source>
        <translation>Камера отключена; ожидание подключения</translation>
    </message>
    <message>
        <source>Camera found on %1</source>
        <translation>Камера найдена на %1</translation>
    </message>
    <message>
        <source>Open Recording...</source>
        <translation>Открыть запись...</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Record every camera frame to a file in the history folder</source>
        <translation>Записывать каждый кадр камеры в файл в папке истории</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Остановить запись</translation>
    </message>
    <message>
        <source>Recording to %1</source>
        <translation>Запись в %1</translation>
    </message>
    <message>
        <source>The recording could not start: %1</source>
        <translation>Не удалось начать запись: %1</translation>
    </message>
    <message>
        <source>Open Recording</source>
        <translation>Открыть запись</translation>
    </message>
    <message>
        <source>KM420 recordings (*.km420rec);;All files (*)</source>
        <translation>Записи KM420 (*.km420rec);;Все файлы (*)</translation>
    </message>
    <message>
        <source>The recording %1 cannot be opened: %2</source>
        <translation>Не удаётся открыть запись %1: %2</translation>
    </message>
    <message>
        <source>Recording saved: %1</source>
        <translation>Запись сохранена: %1</translation>
    </message>
    <message>
        <source>Recording stopped: %1
What was recorded is kept in %2.</source>
        <translation>Запись остановлена: %1
Записанное до этого момента сохранено в %2.</translation>
    </message>
    <message>
        <source>Layout Profiles...</source>
        <translation>Профили разметки...</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Инструменты</translation>
    </message>
    <message>
        <source>Block Explorer...</source>
        <translation>Обозреватель блоков...</translation>
    </message>
    <message>
        <source>Find where a camera keeps its readings and build a layout profile</source>
        <translation>Найти, где камера хранит показания, и создать профиль раскладки</translation>
    </message>
    <message>
        <source>Annotated PNG, the view as shown (*.png)</source>
        <translation>PNG с пометками, вид как на экране (*.png)</translation>
    </message>
    <message>
        <source>CSV, the levels of every pixel (*.csv)</source>
        <translation>CSV, уровни каждого пикселя (*.csv)</translation>
    </message>
</context>
<context>
    <name>OptionDialog</name>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Английский</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Китайский</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Немецкий</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Французский</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Испанский</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Итальянский</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Японский</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>History files path</source>
        <translation>Папка истории</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Choose path</source>
        <translation>Выбор папки</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>There is no picture to save.</source>
        <translation>Нет изображения для сохранения.</translation>
    </message>
    <message>
        <source>The picture cannot be encoded as PNG.</source>
        <translation>Изображение нельзя закодировать в PNG.</translation>
    </message>
</context>
<context>
    <name>PlaybackPane</name>
    <message>
        <source>Playback</source>
        <translation>Воспроизведение</translation>
    </message>
    <message>
        <source>No recording open</source>
        <translation>Запись не открыта</translation>
    </message>
    <message>
        <source>--</source>
        <translation>--</translation>
    </message>
    <message>
        <source>Frame:</source>
        <translation>Кадр:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Время:</translation>
    </message>
    <message>
        <source>Play (Space)</source>
        <translation>Воспроизвести (Пробел)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Previous frame (Left)</source>
        <translation>Предыдущий кадр (Стрелка влево)</translation>
    </message>
    <message>
        <source>Previous frame</source>
        <translation>Предыдущий кадр</translation>
    </message>
    <message>
        <source>Next frame (Right)</source>
        <translation>Следующий кадр (Стрелка вправо)</translation>
    </message>
    <message>
        <source>Next frame</source>
        <translation>Следующий кадр</translation>
    </message>
    <message>
        <source>Position in the recording</source>
        <translation>Позиция в записи</translation>
    </message>
    <message>
        <source>Playback speed</source>
        <translation>Скорость воспроизведения</translation>
    </message>
    <message>
        <source>%1x</source>
        <translation>%1x</translation>
    </message>
    <message>
        <source>As fast as possible</source>
        <translation>Максимально быстро</translation>
    </message>
    <message>
        <source>Colours of the picture</source>
        <translation>Цвета изображения</translation>
    </message>
    <message>
        <source>As recorded</source>
        <translation>Как при записи</translation>
    </message>
    <message>
        <source>Palette %1</source>
        <translation>Палитра %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Pause (Space)</source>
        <translation>Пауза (Пробел)</translation>
    </message>
    <message>
        <source>Playback: %1</source>
        <translation>Воспроизведение: %1</translation>
    </message>
    <message>
        <source>The recording holds no temperatures in a known layout.</source>
        <translation>Запись не содержит температур в известном формате.</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Damaged frames skipped: %1</source>
        <translation>Пропущено повреждённых кадров: %1</translation>
    </message>
</context>
<context>
    <name>RecordingPlayer</name>
    <message>
        <source>The recording holds no frame that can be read.</source>
        <translation>В записи нет ни одного читаемого кадра.</translation>
    </message>
</context>
<context>
    <name>RecordingReader</name>
    <message>
        <source>This is not a KM420 recording.</source>
        <translation>Это не запись KM420.</translation>
    </message>
    <message>
        <source>The recording&apos;s header is damaged.</source>
        <translation>Заголовок записи повреждён.</translation>
    </message>
    <message>
        <source>The recording has a format version this program does not read (%1).</source>
        <translation>Запись имеет версию формата, которую эта программа не читает (%1).</translation>
    </message>
</context>
<context>
    <name>RecordingWriter</name>
    <message>
        <source>Less than %1 MB is free on the disk.</source>
        <translation>На диске свободно меньше %1 МБ.</translation>
    </message>
</context>
</TS>
