<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ArchivePane</name>
    <message>
        <source>Disk:</source>
        <translation>U盘：</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Search the disk for pictures again</source>
        <translation>重新搜索U盘中的图片</translation>
    </message>
    <message>
        <source>No disk</source>
        <translation>无U盘</translation>
    </message>
    <message>
        <source>Double-click a picture to open it.</source>
        <translation>双击图片即可打开。</translation>
    </message>
    <message>
        <source>Searching for pictures...</source>
        <translation>正在搜索图片...</translation>
    </message>
    <message>
        <source>Searching for pictures... %1 found</source>
        <translation>正在搜索图片... 已找到 %1 张</translation>
    </message>
    <message>
        <source>No pictures found</source>
        <translation>未找到图片</translation>
    </message>
    <message>
        <source>Pictures: %1 (search stopped early)</source>
        <translation>图片：%1 张（搜索已提前结束）</translation>
    </message>
    <message>
        <source>Pictures: %1</source>
        <translation>图片：%1 张</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>正在打开 %1...</translation>
    </message>
    <message>
        <source>Cannot show this picture.</source>
        <translation>无法显示此图片。</translation>
    </message>
    <message>
        <source>%1 x %2 pixels, %3</source>
        <translation>%1 x %2 像素，%3</translation>
    </message>
    <message>
        <source>Cannot open %1: it could not be read as a PNG, JPEG or BMP picture.</source>
        <translation>无法打开 %1：无法将其读取为 PNG、JPEG 或 BMP 图片。</translation>
    </message>
    <message>
        <source>Cannot open %1: it is not on the camera&apos;s disk.</source>
        <translation>无法打开 %1：该文件不在相机的磁盘上。</translation>
    </message>
    <message>
        <source>Cannot open %1: the file is no longer there.</source>
        <translation>无法打开 %1：该文件已不存在。</translation>
    </message>
    <message>
        <source>Cannot open %1: the file is too large.</source>
        <translation>无法打开 %1：文件过大。</translation>
    </message>
</context>
<context>
    <name>BlockExplorer</name>
    <message>
        <source>Maximum level</source>
        <translation>最高色阶</translation>
    </message>
    <message>
        <source>Minimum level</source>
        <translation>最低色阶</translation>
    </message>
    <message>
        <source>Mean level</source>
        <translation>平均色阶</translation>
    </message>
    <message>
        <source>Block Explorer</source>
        <translation>数据块浏览器</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>偏移</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>比例</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>加数</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Correlation</source>
        <translation>相关性</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>帧</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>色阶</translation>
    </message>
    <message>
        <source>Find Candidates</source>
        <translation>查找候选</translation>
    </message>
    <message>
        <source>Search the kept frames for the bytes that follow the picture&apos;s levels best</source>
        <translation>在保留的帧中查找最能跟随图像色阶的字节</translation>
    </message>
    <message>
        <source>r</source>
        <translation>r</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>最高</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>最低</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>中心</translation>
    </message>
    <message>
        <source>Scale low</source>
        <translation>色标下限</translation>
    </message>
    <message>
        <source>Scale high</source>
        <translation>色标上限</translation>
    </message>
    <message>
        <source>Frame counter</source>
        <translation>帧计数器</translation>
    </message>
    <message>
        <source>Add as Field</source>
        <translation>添加为字段</translation>
    </message>
    <message>
        <source>as the type</source>
        <translation>按类型</translation>
    </message>
    <message>
        <source> bytes</source>
        <translation> 字节</translation>
    </message>
    <message>
        <source>Add as Proof</source>
        <translation>添加为证明</translation>
    </message>
    <message>
        <source>The selected bytes as they stand in the current frame prove the profile</source>
        <translation>所选字节按其在当前帧中的值证明该配置文件</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>保存配置文件</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>字段</translation>
    </message>
    <message>
        <source>Proof</source>
        <translation>证明</translation>
    </message>
    <message>
        <source>Holds</source>
        <translation>包含</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>读数</translation>
    </message>
    <message>
        <source>Candidates</source>
        <translation>候选</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>配置文件</translation>
    </message>
    <message>
        <source>Frames of %1</source>
        <translation>%1 的帧</translation>
    </message>
    <message>
        <source>Open a live or playback pane: its frames are explored here.</source>
        <translation>请打开实时或回放窗格：其帧将在此处浏览。</translation>
    </message>
    <message>
        <source>%1 (raw %2)</source>
        <translation>%1（原始值 %2）</translation>
    </message>
    <message>
        <source>The selection leaves the camera&apos;s bytes: it is not followed over frames.</source>
        <translation>所选范围超出了相机的字节：不会跨帧跟踪。</translation>
    </message>
    <message>
        <source>r with the maximum level %1, the minimum level %2, the mean level %3</source>
        <translation>与最高色阶的 r 为 %1，与最低色阶为 %2，与平均色阶为 %3</translation>
    </message>
    <message>
        <source>Searching %1 frames...</source>
        <translation>正在搜索 %1 帧...</translation>
    </message>
    <message>
        <source>No byte follows the levels: the levels or the bytes kept no change.</source>
        <translation>没有字节跟随色阶：色阶或字节保持不变。</translation>
    </message>
    <message>
        <source>A proof is taken from the current frame: no frame has come yet.</source>
        <translation>证明取自当前帧：尚未收到任何帧。</translation>
    </message>
    <message>
        <source>%1: %2 at %3, x %4 + %5</source>
        <translation>%1：%2，位于 %3，× %4 + %5</translation>
    </message>
    <message>
        <source>proof: bytes %1 at %2</source>
        <translation>证明：字节 %1，位于 %2</translation>
    </message>
    <message>
        <source>No frame yet.</source>
        <translation>尚无帧。</translation>
    </message>
    <message>
        <source>Max %1, Min %2, Centre %3</source>
        <translation>最高 %1，最低 %2，中心 %3</translation>
    </message>
    <message>
        <source>Without a proof camdesk never takes this profile for a frame.</source>
        <translation>没有证明时，camdesk 永远不会将此配置文件用于任何帧。</translation>
    </message>
    <message>
        <source>The proof does not hold for this frame: the readings box shows none of this.</source>
        <translation>证明对此帧不成立：读数框不会显示这些值。</translation>
    </message>
    <message>
        <source>Give the profile a name before saving it.</source>
        <translation>保存前请为配置文件命名。</translation>
    </message>
    <message>
        <source>The profile cannot be saved: %1</source>
        <translation>无法保存配置文件：%1</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>无法创建文件夹 %1。</translation>
    </message>
    <message>
        <source>The profile cannot be written to %1: %2</source>
        <translation>无法将配置文件写入 %1：%2</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>已保存到 %1</translation>
    </message>
    <message>
        <source>%1 °C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>Layout: %1</source>
        <translation>数据格式：%1</translation>
    </message>
</context>
<context>
    <name>BlockModel</name>
    <message>
        <source>Offset %1: 0x%2 (%3), changed %4 times in the last %5 frames</source>
        <translation>偏移 %1：0x%2（%3），在最近 %5 帧中变化了 %4 次</translation>
    </message>
</context>
<context>
    <name>ChildPane</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>关闭此窗口</translation>
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
        <translation>该帧中没有已知格式的温度。</translation>
    </message>
    <message>
        <source>--</source>
        <translation>--</translation>
    </message>
    <message>
        <source>Spot</source>
        <translation>点</translation>
    </message>
    <message>
        <source>Click the picture to place a spot (up to 8)</source>
        <translation>单击图像放置一个点（最多 8 个）</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>框</translation>
    </message>
    <message>
        <source>Drag on the picture to place a box (up to 4)</source>
        <translation>在图像上拖动以放置一个框（最多 4 个）</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>线</translation>
    </message>
    <message>
        <source>Drag on the picture to draw the line of a profile</source>
        <translation>在图像上拖动，画出一条剖面线</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Remove every spot, box and line</source>
        <translation>删除所有点、框和线</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>直方图</translation>
    </message>
    <message>
        <source>Show the levels&apos; histogram</source>
        <translation>显示色阶直方图</translation>
    </message>
    <message>
        <source>Hold scale</source>
        <translation>锁定色标</translation>
    </message>
    <message>
        <source>Keep the colours fixed while the camera re-ranges</source>
        <translation>相机调整量程时保持颜色不变</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>平滑</translation>
    </message>
    <message>
        <source>Enlarge smoothly instead of by whole pixels</source>
        <translation>平滑放大，而不是按整像素放大</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>Turn the picture a quarter clockwise</source>
        <translation>将图像顺时针旋转 90 度</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>镜像</translation>
    </message>
    <message>
        <source>Mirror the picture left to right</source>
        <translation>将图像左右镜像翻转</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>测量值</translation>
    </message>
    <message>
        <source>Layout:</source>
        <translation>数据格式：</translation>
    </message>
    <message>
        <source>Max:</source>
        <translation>最高温度：</translation>
    </message>
    <message>
        <source>Min:</source>
        <translation>最低温度：</translation>
    </message>
    <message>
        <source>Centre:</source>
        <translation>中心温度：</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>图像测量</translation>
    </message>
    <message>
        <source>No markers: choose Spot, Box or Line and use the picture.</source>
        <translation>没有标记：请选择“点”、“框”或“线”，然后在图像上操作。</translation>
    </message>
    <message>
        <source>hot</source>
        <translation>热</translation>
    </message>
    <message>
        <source>cold</source>
        <translation>冷</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>S%1: %2</source>
        <translation>点%1：%2</translation>
    </message>
    <message>
        <source>S%1 %2</source>
        <translation>点%1 %2</translation>
    </message>
    <message>
        <source>B%1: min %2, max %3, mean %4</source>
        <translation>框%1：最低 %2，最高 %3，平均 %4</translation>
    </message>
    <message>
        <source>B%1</source>
        <translation>框%1</translation>
    </message>
    <message>
        <source>Line: %1 pixels, min %2, max %3</source>
        <translation>线：%1 个像素，最低 %2，最高 %3</translation>
    </message>
    <message>
        <source>L</source>
        <translation>线</translation>
    </message>
    <message>
        <source>No picture data in this frame.</source>
        <translation>此帧中没有图像数据。</translation>
    </message>
    <message>
        <source>Levels (0-255) and temperatures from %1:</source>
        <translation>色阶（0-255）及来自 %1 的温度：</translation>
    </message>
    <message>
        <source>Levels (0-255); no temperatures in this frame.</source>
        <translation>色阶（0-255）；此帧中没有温度。</translation>
    </message>
    <message>
        <source>Held scale, from %1:</source>
        <translation>锁定的色标，来自 %1：</translation>
    </message>
    <message>
        <source>the layout held</source>
        <translation>锁定时的数据格式</translation>
    </message>
    <message>
        <source>Held level window (drag the handles on the colour scale):</source>
        <translation>锁定的色阶窗口（拖动色标上的手柄）：</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>时间：%1</translation>
    </message>
    <message>
        <source>Layout: %1</source>
        <translation>数据格式：%1</translation>
    </message>
    <message>
        <source>Max: %1   Min: %2   Centre: %3</source>
        <translation>最高温度：%1   最低温度：%2   中心温度：%3</translation>
    </message>
    <message>
        <source>Turned: %1</source>
        <translation>旋转：%1</translation>
    </message>
    <message>
        <source>Held scale: %1 to %2, from %3</source>
        <translation>锁定的色标：%1 至 %2，来自 %3</translation>
    </message>
    <message>
        <source>Held level window: %1 to %2</source>
        <translation>锁定的色阶窗口：%1 至 %2</translation>
    </message>
    <message>
        <source>There are no levels to save: the picture came without its frame.</source>
        <translation>没有可保存的色阶：该图像没有附带其帧。</translation>
    </message>
</context>
<context>
    <name>LayoutsDialog</name>
    <message>
        <source>Layout Profiles</source>
        <translation>数据格式配置</translation>
    </message>
    <message>
        <source>camdesk shows temperatures only from frames that one of these profiles proves. Your own profiles go in %1.</source>
        <translation>camdesk 只显示能被以下某个配置证实的图像中的温度。您自己的配置请放在 %1。</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>重新加载</translation>
    </message>
    <message>
        <source>%1 (no proof: not used)</source>
        <translation>%1（无验证条件：不使用）</translation>
    </message>
    <message>
        <source>built in</source>
        <translation>内置</translation>
    </message>
    <message>
        <source>Ignored: %1</source>
        <translation>已忽略：%1</translation>
    </message>
</context>
<context>
    <name>LensFeed</name>
    <message>
        <source>Choose Camera</source>
        <translation>选择相机</translation>
    </message>
    <message>
        <source>Cameras:</source>
        <translation>相机：</translation>
    </message>
    <message>
        <source>Data stream was failed,the application will be close.</source>
        <translation>相机数据流出现故障，将关闭与相机的连接。</translation>
    </message>
</context>
<context>
    <name>LevelChart</name>
    <message>
        <source>level</source>
        <translation>色阶</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>像素</translation>
    </message>
    <message>
        <source>This build of camdesk has no charts.</source>
        <translation>此版本的 camdesk 不含图表功能。</translation>
    </message>
    <message>
        <source>along the line</source>
        <translation>沿线位置</translation>
    </message>
</context>
<context>
    <name>LivePane</name>
    <message>
        <source>Waiting for the camera...</source>
        <translation>正在等待相机...</translation>
    </message>
    <message>
        <source>--</source>
        <translation>--</translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation>帧率：</translation>
    </message>
    <message>
        <source>Frames shown:</source>
        <translation>已显示帧数：</translation>
    </message>
    <message>
        <source>Silence</source>
        <translation>消音</translation>
    </message>
    <message>
        <source>Stop the alarm sound</source>
        <translation>停止报警声音</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>报警</translation>
    </message>
    <message>
        <source>Enable alarm</source>
        <translation>启用报警</translation>
    </message>
    <message>
        <source>Alarm above high limit</source>
        <translation>高于上限时报警</translation>
    </message>
    <message>
        <source>Alarm below low limit</source>
        <translation>低于下限时报警</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>声音报警</translation>
    </message>
    <message>
        <source>Write alarm log</source>
        <translation>记录报警日志</translation>
    </message>
    <message>
        <source>Camera settings</source>
        <translation>相机设置</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Send these settings to the camera</source>
        <translation>将这些设置发送到相机</translation>
    </message>
    <message>
        <source>High limit:</source>
        <translation>上限：</translation>
    </message>
    <message>
        <source>Low limit:</source>
        <translation>下限：</translation>
    </message>
    <message>
        <source>Emissivity:</source>
        <translation>发射率：</translation>
    </message>
    <message>
        <source>Alarm off</source>
        <translation>报警已关闭</translation>
    </message>
    <message>
        <source>No alarm</source>
        <translation>无报警</translation>
    </message>
    <message>
        <source>ALARM: too hot and too cold</source>
        <translation>报警：温度过高且过低</translation>
    </message>
    <message>
        <source>ALARM: too hot</source>
        <translation>报警：温度过高</translation>
    </message>
    <message>
        <source>ALARM: too cold</source>
        <translation>报警：温度过低</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <translation>%1 帧/秒</translation>
    </message>
    <message>
        <source>No temperatures to watch</source>
        <translation>无可监视的温度</translation>
    </message>
    <message>
        <source>The camera reports no temperatures in a known layout.</source>
        <translation>相机未以已知格式报告温度。</translation>
    </message>
    <message>
        <source>No history folder is set; choose one in File &gt; Option.</source>
        <translation>未设置历史文件夹；请在 文件 &gt; 选项 中选择。</translation>
    </message>
    <message>
        <source>The history folder %1 cannot be created.</source>
        <translation>无法创建历史文件夹 %1。</translation>
    </message>
    <message>
        <source>A layout profile without proof, for a camera whose frames no profile proves</source>
        <translation>没有验证条件的数据格式配置，用于图像无法被任何配置证实的相机</translation>
    </message>
    <message>
        <source>Layout: proven only</source>
        <translation>数据格式：仅限已证实</translation>
    </message>
    <message>
        <source>Layout: %1 (unverified)</source>
        <translation>数据格式：%1（未验证）</translation>
    </message>
</context>
<context>
    <name>LiveReadings</name>
    <message>
        <source>values out of range for %1</source>
        <translation>%1 的数值超出范围</translation>
    </message>
    <message>
        <source>%1 (unverified)</source>
        <translation>%1（未验证）</translation>
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
        <translation>文件</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Can not open file.</source>
        <translation>无法打开文件。</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>断开连接</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>抓图</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>User Manual</source>
        <translation>用户手册</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Trying to open device...</source>
        <translation>正在打开设备...</translation>
    </message>
    <message>
        <source>Failed to open device</source>
        <translation>打开设备失败</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>活动</translation>
    </message>
    <message>
        <source>USB flash disk is open</source>
        <translation>U盘已连接</translation>
    </message>
    <message>
        <source>Camera is open</source>
        <translation>相机已连接</translation>
    </message>
    <message>
        <source>USB flash disk is close</source>
        <translation>U盘已断开</translation>
    </message>
    <message>
        <source>Camera is close</source>
        <translation>相机已断开</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>保存图片</translation>
    </message>
    <message>
        <source>PNG (*.png )</source>
        <translation>PNG 图片 (*.png )</translation>
    </message>
    <message>
        <source>Picture saved successfully.</source>
        <translation>图片保存成功。</translation>
    </message>
    <message>
        <source>Failed to save picture.</source>
        <translation>图片保存失败。</translation>
    </message>
    <message>
        <source>Changes will take effect when you restart application.</source>
        <translation>更改将在重新启动应用程序后生效。</translation>
    </message>
    <message>
        <source>No camera is open. Switch the camera to USB video mode, plug it in, then choose %1 &gt; %2.</source>
        <extracomment>%1 and %2 are the menu and its item, as they are translated</extracomment>
        <translation>未打开相机。请将相机切换到 USB 视频模式并连接到电脑，然后选择 %1 &gt; %2。</translation>
    </message>
    <message>
        <source>USB flash disk is open: %1</source>
        <extracomment>%1 is the mount point of the disk, or those of several disks with &quot;, &quot; between them.</extracomment>
        <translation>U盘已连接：%1</translation>
    </message>
    <message>
        <source>Camera unplugged; waiting for it</source>
        <translation>相机已拔出，正在等待重新连接</translation>
    </message>
    <message>
        <source>Camera found on %1</source>
        <translation>在 %1 上找到相机</translation>
    </message>
    <message>
        <source>Open Recording...</source>
        <translation>打开录像...</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>录像</translation>
    </message>
    <message>
        <source>Record every camera frame to a file in the history folder</source>
        <translation>将相机的每一帧录制到历史文件夹中的文件</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>停止录像</translation>
    </message>
    <message>
        <source>Recording to %1</source>
        <translation>正在录像到 %1</translation>
    </message>
    <message>
        <source>The recording could not start: %1</source>
        <translation>无法开始录像：%1</translation>
    </message>
    <message>
        <source>Open Recording</source>
        <translation>打开录像</translation>
    </message>
    <message>
        <source>KM420 recordings (*.km420rec);;All files (*)</source>
        <translation>KM420 录像 (*.km420rec);;所有文件 (*)</translation>
    </message>
    <message>
        <source>The recording %1 cannot be opened: %2</source>
        <translation>无法打开录像 %1：%2</translation>
    </message>
    <message>
        <source>Recording saved: %1</source>
        <translation>录像已保存：%1</translation>
    </message>
    <message>
        <source>Recording stopped: %1
What was recorded is kept in %2.</source>
        <translation>录像已停止：%1
已录制的内容保存在 %2 中。</translation>
    </message>
    <message>
        <source>Layout Profiles...</source>
        <translation>数据格式配置...</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>Block Explorer...</source>
        <translation>数据块浏览器...</translation>
    </message>
    <message>
        <source>Find where a camera keeps its readings and build a layout profile</source>
        <translation>查找相机存放读数的位置并创建布局配置文件</translation>
    </message>
    <message>
        <source>Annotated PNG, the view as shown (*.png)</source>
        <translation>带标注的 PNG 图片，即所见的视图 (*.png)</translation>
    </message>
    <message>
        <source>CSV, the levels of every pixel (*.csv)</source>
        <translation>CSV，每个像素的色阶 (*.csv)</translation>
    </message>
</context>
<context>
    <name>OptionDialog</name>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英语</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>German</source>
        <translation>德语</translation>
    </message>
    <message>
        <source>French</source>
        <translation>法语</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>西班牙语</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>俄语</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>意大利语</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日语</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>History files path</source>
        <translation>历史文件路径</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Choose path</source>
        <translation>选择路径</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>There is no picture to save.</source>
        <translation>没有可保存的图像。</translation>
    </message>
    <message>
        <source>The picture cannot be encoded as PNG.</source>
        <translation>无法将图像编码为 PNG。</translation>
    </message>
</context>
<context>
    <name>PlaybackPane</name>
    <message>
        <source>Playback</source>
        <translation>回放</translation>
    </message>
    <message>
        <source>No recording open</source>
        <translation>未打开录像</translation>
    </message>
    <message>
        <source>--</source>
        <translation>--</translation>
    </message>
    <message>
        <source>Frame:</source>
        <translation>帧：</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>时间：</translation>
    </message>
    <message>
        <source>Play (Space)</source>
        <translation>播放（空格键）</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Previous frame (Left)</source>
        <translation>上一帧（左方向键）</translation>
    </message>
    <message>
        <source>Previous frame</source>
        <translation>上一帧</translation>
    </message>
    <message>
        <source>Next frame (Right)</source>
        <translation>下一帧（右方向键）</translation>
    </message>
    <message>
        <source>Next frame</source>
        <translation>下一帧</translation>
    </message>
    <message>
        <source>Position in the recording</source>
        <translation>录像中的位置</translation>
    </message>
    <message>
        <source>Playback speed</source>
        <translation>播放速度</translation>
    </message>
    <message>
        <source>%1x</source>
        <translation>%1x</translation>
    </message>
    <message>
        <source>As fast as possible</source>
        <translation>尽可能快</translation>
    </message>
    <message>
        <source>Colours of the picture</source>
        <translation>图像颜色</translation>
    </message>
    <message>
        <source>As recorded</source>
        <translation>与录制时相同</translation>
    </message>
    <message>
        <source>Palette %1</source>
        <translation>调色板 %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Pause (Space)</source>
        <translation>暂停（空格键）</translation>
    </message>
    <message>
        <source>Playback: %1</source>
        <translation>回放：%1</translation>
    </message>
    <message>
        <source>The recording holds no temperatures in a known layout.</source>
        <translation>录像中没有已知格式的温度。</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Damaged frames skipped: %1</source>
        <translation>已跳过的损坏帧：%1</translation>
    </message>
</context>
<context>
    <name>RecordingPlayer</name>
    <message>
        <source>The recording holds no frame that can be read.</source>
        <translation>录像中没有可读取的帧。</translation>
    </message>
</context>
<context>
    <name>RecordingReader</name>
    <message>
        <source>This is not a KM420 recording.</source>
        <translation>这不是 KM420 录像文件。</translation>
    </message>
    <message>
        <source>The recording&apos;s header is damaged.</source>
        <translation>录像的文件头已损坏。</translation>
    </message>
    <message>
        <source>The recording has a format version this program does not read (%1).</source>
        <translation>本程序无法读取此录像的格式版本（%1）。</translation>
    </message>
</context>
<context>
    <name>RecordingWriter</name>
    <message>
        <source>Less than %1 MB is free on the disk.</source>
        <translation>磁盘可用空间不足 %1 MB。</translation>
    </message>
</context>
</TS>
