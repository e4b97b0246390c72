<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>ArchivePane</name>
    <message>
        <source>Disk:</source>
        <translation>ドライブ：</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Search the disk for pictures again</source>
        <translation>ドライブの画像を再検索します</translation>
    </message>
    <message>
        <source>No disk</source>
        <translation>ドライブがありません</translation>
    </message>
    <message>
        <source>Double-click a picture to open it.</source>
        <translation>画像をダブルクリックすると開きます。</translation>
    </message>
    <message>
        <source>Searching for pictures...</source>
        <translation>画像を検索しています...</translation>
    </message>
    <message>
        <source>Searching for pictures... %1 found</source>
        <translation>画像を検索しています... %1 枚見つかりました</translation>
    </message>
    <message>
        <source>No pictures found</source>
        <translation>画像が見つかりません</translation>
    </message>
    <message>
        <source>Pictures: %1 (search stopped early)</source>
        <translation>画像：%1 枚（検索を途中で打ち切りました）</translation>
    </message>
    <message>
        <source>Pictures: %1</source>
        <translation>画像：%1 枚</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>%1 を開いています...</translation>
    </message>
    <message>
        <source>Cannot show this picture.</source>
        <translation>この画像は表示できません。</translation>
    </message>
    <message>
        <source>%1 x %2 pixels, %3</source>
        <translation>%1 x %2 ピクセル、%3</translation>
    </message>
    <message>
        <source>Cannot open %1: it could not be read as a PNG, JPEG or BMP picture.</source>
        <translation>%1 を開けません: PNG、JPEG、BMP のいずれの画像としても読み込めませんでした。</translation>
    </message>
    <message>
        <source>Cannot open %1: it is not on the camera&apos;s disk.</source>
        <translation>%1 を開けません: カメラのディスク上のファイルではありません。</translation>
    </message>
    <message>
        <source>Cannot open %1: the file is no longer there.</source>
        <translation>%1 を開けません: ファイルがもう存在しません。</translation>
    </message>
    <message>
        <source>Cannot open %1: the file is too large.</source>
        <translation>%1 を開けません: ファイルが大きすぎます。</translation>
    </message>
</context>
<context>
    <name>BlockExplorer</name>
    <message>
        <source>Maximum level</source>
        <translation>最大レベル</translation>
    </message>
    <message>
        <source>Minimum level</source>
        <translation>最小レベル</translation>
    </message>
    <message>
        <source>Mean level</source>
        <translation>平均レベル</translation>
    </message>
    <message>
        <source>Block Explorer</source>
        <translation>ブロックエクスプローラー</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>オフセット</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>型</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>倍率</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>加算</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>値</translation>
    </message>
    <message>
        <source>Correlation</source>
        <translation>相関</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>フレーム</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>レベル</translation>
    </message>
    <message>
        <source>Find Candidates</source>
        <translation>候補を探す</translation>
    </message>
    <message>
        <source>Search the kept frames for the bytes that follow the picture&apos;s levels best</source>
        <translation>保持しているフレームから、画像のレベルに最もよく従うバイトを探します</translation>
    </message>
    <message>
        <source>r</source>
        <translation>r</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>最大</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>最小</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>中心</translation>
    </message>
    <message>
        <source>Scale low</source>
        <translation>スケール下限</translation>
    </message>
    <message>
        <source>Scale high</source>
        <translation>スケール上限</translation>
    </message>
    <message>
        <source>Frame counter</source>
        <translation>フレームカウンター</translation>
    </message>
    <message>
        <source>Add as Field</source>
        <translation>フィールドとして追加</translation>
    </message>
    <message>
        <source>as the type</source>
        <translation>型に合わせる</translation>
    </message>
    <message>
        <source> bytes</source>
        <translation> バイト</translation>
    </message>
    <message>
        <source>Add as Proof</source>
        <translation>証明として追加</translation>
    </message>
    <message>
        <source>The selected bytes as they stand in the current frame prove the profile</source>
        <translation>選択したバイトが現在のフレームでの値のままプロファイルを証明します</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>プロファイルを保存</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>フィールド</translation>
    </message>
    <message>
        <source>Proof</source>
        <translation>証明</translation>
    </message>
    <message>
        <source>Holds</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>読み取り値</translation>
    </message>
    <message>
        <source>Candidates</source>
        <translation>候補</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>プロファイル</translation>
    </message>
    <message>
        <source>Frames of %1</source>
        <translation>%1 のフレーム</translation>
    </message>
    <message>
        <source>Open a live or playback pane: its frames are explored here.</source>
        <translation>ライブまたは再生ペインを開いてください。そのフレームをここで調べます。</translation>
    </message>
    <message>
        <source>%1 (raw %2)</source>
        <translation>%1（生の値 %2）</translation>
    </message>
    <message>
        <source>The selection leaves the camera&apos;s bytes: it is not followed over frames.</source>
        <translation>選択範囲がカメラのバイトを外れています。フレームをまたいで追跡しません。</translation>
    </message>
    <message>
        <source>r with the maximum level %1, the minimum level %2, the mean level %3</source>
        <translation>最大レベルとの r %1、最小レベルとの r %2、平均レベルとの r %3</translation>
    </message>
    <message>
        <source>Searching %1 frames...</source>
        <translation>%1 フレームを検索中...</translation>
    </message>
    <message>
        <source>No byte follows the levels: the levels or the bytes kept no change.</source>
        <translation>レベルに従うバイトはありません。レベルまたはバイトが変化していません。</translation>
    </message>
    <message>
        <source>A proof is taken from the current frame: no frame has come yet.</source>
        <translation>証明は現在のフレームから取られます。まだフレームが届いていません。</translation>
    </message>
    <message>
        <source>%1: %2 at %3, x %4 + %5</source>
        <translation>%1: %2（%3）、× %4 + %5</translation>
    </message>
    <message>
        <source>proof: bytes %1 at %2</source>
        <translation>証明: バイト %1（%2）</translation>
    </message>
    <message>
        <source>No frame yet.</source>
        <translation>まだフレームがありません。</translation>
    </message>
    <message>
        <source>Max %1, Min %2, Centre %3</source>
        <translation>最大 %1、最小 %2、中心 %3</translation>
    </message>
    <message>
        <source>Without a proof camdesk never takes this profile for a frame.</source>
        <translation>証明がないと、camdesk はこのプロファイルをどのフレームにも使いません。</translation>
    </message>
    <message>
        <source>The proof does not hold for this frame: the readings box shows none of this.</source>
        <translation>このフレームでは証明が成り立ちません。読み取り値欄にはこれらは表示されません。</translation>
    </message>
    <message>
        <source>Give the profile a name before saving it.</source>
        <translation>保存する前にプロファイルに名前を付けてください。</translation>
    </message>
    <message>
        <source>The profile cannot be saved: %1</source>
        <translation>プロファイルを保存できません: %1</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>フォルダー %1 を作成できません。</translation>
    </message>
    <message>
        <source>The profile cannot be written to %1: %2</source>
        <translation>プロファイルを %1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>%1 に保存しました</translation>
    </message>
    <message>
        <source>%1 °C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>Layout: %1</source>
        <translation>レイアウト: %1</translation>
    </message>
</context>
<context>
    <name>BlockModel</name>
    <message>
        <source>Offset %1: 0x%2 (%3), changed %4 times in the last %5 frames</source>
        <translation>オフセット %1: 0x%2（%3）、直近 %5 フレームで %4 回変化</translation>
    </message>
</context>
<context>
    <name>ChildPane</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>このウィンドウを閉じます</translation>
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
        <translation>このフレームには既知の形式の温度がありません。</translation>
    </message>
    <message>
        <source>--</source>
        <translation>--</translation>
    </message>
    <message>
        <source>Spot</source>
        <translation>スポット</translation>
    </message>
    <message>
        <source>Click the picture to place a spot (up to 8)</source>
        <translation>画像をクリックしてスポットを置きます（最大 8 個）</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>ボックス</translation>
    </message>
    <message>
        <source>Drag on the picture to place a box (up to 4)</source>
        <translation>画像上をドラッグしてボックスを置きます（最大 4 個）</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>ライン</translation>
    </message>
    <message>
        <source>Drag on the picture to draw the line of a profile</source>
        <translation>画像上をドラッグして、ラインプロファイルの線を引きます</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Remove every spot, box and line</source>
        <translation>すべてのスポット、ボックス、ラインを削除します</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>ヒストグラム</translation>
    </message>
    <message>
        <source>Show the levels&apos; histogram</source>
        <translation>レベルのヒストグラムを表示します</translation>
    </message>
    <message>
        <source>Hold scale</source>
        <translation>スケール固定</translation>
    </message>
    <message>
        <source>Keep the colours fixed while the camera re-ranges</source>
        <translation>カメラがレンジを変えても色を固定します</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>スムーズ</translation>
    </message>
    <message>
        <source>Enlarge smoothly instead of by whole pixels</source>
        <translation>ピクセル単位ではなく滑らかに拡大します</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>Turn the picture a quarter clockwise</source>
        <translation>画像を時計回りに 90 度回転します</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>左右反転</translation>
    </message>
    <message>
        <source>Mirror the picture left to right</source>
        <translation>画像を左右反転します</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>測定値</translation>
    </message>
    <message>
        <source>Layout:</source>
        <translation>レイアウト:</translation>
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
        <translation>画像の計測</translation>
    </message>
    <message>
        <source>No markers: choose Spot, Box or Line and use the picture.</source>
        <translation>マーカーがありません。スポット、ボックス、ラインのいずれかを選び、画像上で操作してください。</translation>
    </message>
    <message>
        <source>hot</source>
        <translation>高温</translation>
    </message>
    <message>
        <source>cold</source>
        <translation>低温</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>S%1: %2</source>
        <translation>S%1: %2</translation>
    </message>
    <message>
        <source>S%1 %2</source>
        <translation>S%1 %2</translation>
    </message>
    <message>
        <source>B%1: min %2, max %3, mean %4</source>
        <translation>B%1: 最小 %2、最大 %3、平均 %4</translation>
    </message>
    <message>
        <source>B%1</source>
        <translation>B%1</translation>
    </message>
    <message>
        <source>Line: %1 pixels, min %2, max %3</source>
        <translation>ライン: %1 ピクセル、最小 %2、最大 %3</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>No picture data in this frame.</source>
        <translation>このフレームには画像データがありません。</translation>
    </message>
    <message>
        <source>Levels (0-255) and temperatures from %1:</source>
        <translation>レベル（0-255）と %1 による温度:</translation>
    </message>
    <message>
        <source>Levels (0-255); no temperatures in this frame.</source>
        <translation>レベル（0-255）。このフレームには温度がありません。</translation>
    </message>
    <message>
        <source>Held scale, from %1:</source>
        <translation>固定したスケール（%1 による）:</translation>
    </message>
    <message>
        <source>the layout held</source>
        <translation>固定時のレイアウト</translation>
    </message>
    <message>
        <source>Held level window (drag the handles on the colour scale):</source>
        <translation>固定したレベル範囲（カラースケールのハンドルをドラッグ）:</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>時間：%1</translation>
    </message>
    <message>
        <source>Layout: %1</source>
        <translation>レイアウト: %1</translation>
    </message>
    <message>
        <source>Max: %1   Min: %2   Centre: %3</source>
        <translation>最高温度：%1   最低温度：%2   中心温度：%3</translation>
    </message>
    <message>
        <source>Turned: %1</source>
        <translation>回転：%1</translation>
    </message>
    <message>
        <source>Held scale: %1 to %2, from %3</source>
        <translation>固定したスケール：%1 ～ %2（%3）</translation>
    </message>
    <message>
        <source>Held level window: %1 to %2</source>
        <translation>固定したレベル範囲：%1 ～ %2</translation>
    </message>
    <message>
        <source>There are no levels to save: the picture came without its frame.</source>
        <translation>保存するレベルがありません。画像がフレームなしで届きました。</translation>
    </message>
</context>
<context>
    <name>LayoutsDialog</name>
    <message>
        <source>Layout Profiles</source>
        <translation>レイアウトプロファイル</translation>
    </message>
    <message>
        <source>camdesk shows temperatures only from frames that one of these profiles proves. Your own profiles go in %1.</source>
        <translation>camdesk は、これらのプロファイルのいずれかで確認できたフレームからのみ温度を表示します。独自のプロファイルは %1 に置きます。</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>プロファイル</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>再読み込み</translation>
    </message>
    <message>
        <source>%1 (no proof: not used)</source>
        <translation>%1（確認条件なし: 使用されません）</translation>
    </message>
    <message>
        <source>built in</source>
        <translation>組み込み</translation>
    </message>
    <message>
        <source>Ignored: %1</source>
        <translation>無視: %1</translation>
    </message>
</context>
<context>
    <name>LensFeed</name>
    <message>
        <source>Choose Camera</source>
        <translation>カメラの選択</translation>
    </message>
    <message>
        <source>Cameras:</source>
        <translation>カメラ：</translation>
    </message>
    <message>
        <source>Data stream was failed,the application will be close.</source>
        <translation>カメラのデータストリームでエラーが発生しました。カメラとの接続を閉じます。</translation>
    </message>
</context>
<context>
    <name>LevelChart</name>
    <message>
        <source>level</source>
        <translation>レベル</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>ピクセル</translation>
    </message>
    <message>
        <source>This build of camdesk has no charts.</source>
        <translation>この camdesk のビルドにはグラフ機能がありません。</translation>
    </message>
    <message>
        <source>along the line</source>
        <translation>ライン上の位置</translation>
    </message>
</context>
<context>
    <name>LivePane</name>
    <message>
        <source>Waiting for the camera...</source>
        <translation>カメラを待っています...</translation>
    </message>
    <message>
        <source>--</source>
        <translation>--</translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation>フレームレート：</translation>
    </message>
    <message>
        <source>Frames shown:</source>
        <translation>表示フレーム数：</translation>
    </message>
    <message>
        <source>Silence</source>
        <translation>消音</translation>
    </message>
    <message>
        <source>Stop the alarm sound</source>
        <translation>アラーム音を止めます</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>アラーム</translation>
    </message>
    <message>
        <source>Enable alarm</source>
        <translation>アラームを有効にする</translation>
    </message>
    <message>
        <source>Alarm above high limit</source>
        <translation>上限を超えたらアラーム</translation>
    </message>
    <message>
        <source>Alarm below low limit</source>
        <translation>下限を下回ったらアラーム</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>アラーム音</translation>
    </message>
    <message>
        <source>Write alarm log</source>
        <translation>アラームログを記録する</translation>
    </message>
    <message>
        <source>Camera settings</source>
        <translation>カメラ設定</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Send these settings to the camera</source>
        <translation>この設定をカメラに送信します</translation>
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
        <translation>放射率：</translation>
    </message>
    <message>
        <source>Alarm off</source>
        <translation>アラーム無効</translation>
    </message>
    <message>
        <source>No alarm</source>
        <translation>アラームなし</translation>
    </message>
    <message>
        <source>ALARM: too hot and too cold</source>
        <translation>アラーム：高温および低温</translation>
    </message>
    <message>
        <source>ALARM: too hot</source>
        <translation>アラーム：高温</translation>
    </message>
    <message>
        <source>ALARM: too cold</source>
        <translation>アラーム：低温</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <translation>%1 fps</translation>
    </message>
    <message>
        <source>No temperatures to watch</source>
        <translation>監視できる温度がありません</translation>
    </message>
    <message>
        <source>The camera reports no temperatures in a known layout.</source>
        <translation>カメラは既知の形式で温度を報告していません。</translation>
    </message>
    <message>
        <source>No history folder is set; choose one in File &gt; Option.</source>
        <translation>履歴フォルダーが設定されていません。ファイル &gt; オプション で選んでください。</translation>
    </message>
    <message>
        <source>The history folder %1 cannot be created.</source>
        <translation>履歴フォルダー %1 を作成できません。</translation>
    </message>
    <message>
        <source>A layout profile without proof, for a camera whose frames no profile proves</source>
        <translation>確認条件のないレイアウトプロファイル。どのプロファイルでも確認できないフレームのカメラ用です</translation>
    </message>
    <message>
        <source>Layout: proven only</source>
        <translation>レイアウト: 確認済みのみ</translation>
    </message>
    <message>
        <source>Layout: %1 (unverified)</source>
        <translation>レイアウト: %1（未確認）</translation>
    </message>
</context>
<context>
    <name>LiveReadings</name>
    <message>
        <source>values out of range for %1</source>
        <translation>%1 の値が範囲外です</translation>
    </message>
    <message>
        <source>%1 (unverified)</source>
        <translation>%1（未確認）</translation>
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
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>ビデオ</translation>
    </message>
    <message>
        <source>Can not open file.</source>
        <translation>ファイルを開けません。</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>切断</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>キャプチャ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>User Manual</source>
        <translation>ユーザーマニュアル</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Trying to open device...</source>
        <translation>デバイスを開いています...</translation>
    </message>
    <message>
        <source>Failed to open device</source>
        <translation>デバイスを開けませんでした</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>アクティブ</translation>
    </message>
    <message>
        <source>USB flash disk is open</source>
        <translation>USB ドライブに接続しました</translation>
    </message>
    <message>
        <source>Camera is open</source>
        <translation>カメラに接続しました</translation>
    </message>
    <message>
        <source>USB flash disk is close</source>
        <translation>USB ドライブを切断しました</translation>
    </message>
    <message>
        <source>Camera is close</source>
        <translation>カメラを切断しました</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>画像の保存</translation>
    </message>
    <message>
        <source>PNG (*.png )</source>
        <translation>PNG 画像 (*.png )</translation>
    </message>
    <message>
        <source>Picture saved successfully.</source>
        <translation>画像を保存しました。</translation>
    </message>
    <message>
        <source>Failed to save picture.</source>
        <translation>画像を保存できませんでした。</translation>
    </message>
    <message>
        <source>Changes will take effect when you restart application.</source>
        <translation>変更はアプリケーションを再起動すると有効になります。</translation>
    </message>
    <message>
        <source>No camera is open. Switch the camera to USB video mode, plug it in, then choose %1 &gt; %2.</source>
        <extracomment>%1 and %2 are the menu and its item, as they are translated</extracomment>
        <translation>カメラが開かれていません。カメラを USB ビデオモードに切り替えて接続し、%1 &gt; %2 を選んでください。</translation>
    </message>
    <message>
        <source>USB flash disk is open: %1</source>
        <extracomment>%1 is the mount point of the disk, or those of several disks with &quot;, &quot; between them.</extracomment>
        <translation>USB ドライブに接続しました：%1</translation>
    </message>
    <message>
        <source>Camera unplugged; waiting for it</source>
        <translation>カメラが取り外されました。再接続を待っています</translation>
    </message>
    <message>
        <source>Camera found on %1</source>
        <translation>%1 でカメラが見つかりました</translation>
    </message>
    <message>
        <source>Open Recording...</source>
        <translation>録画を開く...</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>録画</translation>
    </message>
    <message>
        <source>Record every camera frame to a file in the history folder</source>
        <translation>カメラの全フレームを履歴フォルダーのファイルに録画します</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>録画を停止</translation>
    </message>
    <message>
        <source>Recording to %1</source>
        <translation>%1 に録画しています</translation>
    </message>
    <message>
        <source>The recording could not start: %1</source>
        <translation>録画を開始できませんでした: %1</translation>
    </message>
    <message>
        <source>Open Recording</source>
        <translation>録画を開く</translation>
    </message>
    <message>
        <source>KM420 recordings (*.km420rec);;All files (*)</source>
        <translation>KM420 録画ファイル (*.km420rec);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>The recording %1 cannot be opened: %2</source>
        <translation>録画 %1 を開けません: %2</translation>
    </message>
    <message>
        <source>Recording saved: %1</source>
        <translation>録画を保存しました：%1</translation>
    </message>
    <message>
        <source>Recording stopped: %1
What was recorded is kept in %2.</source>
        <translation>録画が停止しました: %1
それまでに録画した内容は %2 に保存されています。</translation>
    </message>
    <message>
        <source>Layout Profiles...</source>
        <translation>レイアウトプロファイル...</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>ツール</translation>
    </message>
    <message>
        <source>Block Explorer...</source>
        <translation>ブロックエクスプローラー...</translation>
    </message>
    <message>
        <source>Find where a camera keeps its readings and build a layout profile</source>
        <translation>カメラが読み取り値を置く場所を探し、レイアウトプロファイルを作成します</translation>
    </message>
    <message>
        <source>Annotated PNG, the view as shown (*.png)</source>
        <translation>注釈付き PNG、表示どおりのビュー (*.png)</translation>
    </message>
    <message>
        <source>CSV, the levels of every pixel (*.csv)</source>
        <translation>CSV、全ピクセルのレベル (*.csv)</translation>
    </message>
</context>
<context>
    <name>OptionDialog</name>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英語</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中国語</translation>
    </message>
    <message>
        <source>German</source>
        <translation>ドイツ語</translation>
    </message>
    <message>
        <source>French</source>
        <translation>フランス語</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>スペイン語</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>ロシア語</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>イタリア語</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>History files path</source>
        <translation>履歴ファイルの保存先</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Choose path</source>
        <translation>フォルダーの選択</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>There is no picture to save.</source>
        <translation>保存する画像がありません。</translation>
    </message>
    <message>
        <source>The picture cannot be encoded as PNG.</source>
        <translation>画像を PNG としてエンコードできません。</translation>
    </message>
</context>
<context>
    <name>PlaybackPane</name>
    <message>
        <source>Playback</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>No recording open</source>
        <translation>録画が開かれていません</translation>
    </message>
    <message>
        <source>--</source>
        <translation>--</translation>
    </message>
    <message>
        <source>Frame:</source>
        <translation>フレーム：</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>時間：</translation>
    </message>
    <message>
        <source>Play (Space)</source>
        <translation>再生 (Space キー)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Previous frame (Left)</source>
        <translation>前のフレーム (← キー)</translation>
    </message>
    <message>
        <source>Previous frame</source>
        <translation>前のフレーム</translation>
    </message>
    <message>
        <source>Next frame (Right)</source>
        <translation>次のフレーム (→ キー)</translation>
    </message>
    <message>
        <source>Next frame</source>
        <translation>次のフレーム</translation>
    </message>
    <message>
        <source>Position in the recording</source>
        <translation>録画内の位置</translation>
    </message>
    <message>
        <source>Playback speed</source>
        <translation>再生速度</translation>
    </message>
    <message>
        <source>%1x</source>
        <translation>%1x</translation>
    </message>
    <message>
        <source>As fast as possible</source>
        <translation>できるだけ速く</translation>
    </message>
    <message>
        <source>Colours of the picture</source>
        <translation>画像の色</translation>
    </message>
    <message>
        <source>As recorded</source>
        <translation>録画時のまま</translation>
    </message>
    <message>
        <source>Palette %1</source>
        <translation>パレット %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Pause (Space)</source>
        <translation>一時停止 (Space キー)</translation>
    </message>
    <message>
        <source>Playback: %1</source>
        <translation>再生：%1</translation>
    </message>
    <message>
        <source>The recording holds no temperatures in a known layout.</source>
        <translation>録画には既知の形式の温度がありません。</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Damaged frames skipped: %1</source>
        <translation>スキップした破損フレーム：%1</translation>
    </message>
</context>
<context>
    <name>RecordingPlayer</name>
    <message>
        <source>The recording holds no frame that can be read.</source>
        <translation>録画に読み込めるフレームがありません。</translation>
    </message>
</context>
<context>
    <name>RecordingReader</name>
    <message>
        <source>This is not a KM420 recording.</source>
        <translation>KM420 の録画ファイルではありません。</translation>
    </message>
    <message>
        <source>The recording&apos;s header is damaged.</source>
        <translation>録画ファイルのヘッダーが破損しています。</translation>
    </message>
    <message>
        <source>The recording has a format version this program does not read (%1).</source>
        <translation>この録画のフォーマットバージョン (%1) はこのプログラムでは読み込めません。</translation>
    </message>
</context>
<context>
    <name>RecordingWriter</name>
    <message>
        <source>Less than %1 MB is free on the disk.</source>
        <translation>ディスクの空き容量が %1 MB 未満です。</translation>
    </message>
</context>
</TS>
