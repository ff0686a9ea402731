<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Engine</name>
    <message>
        <source>Capacity: %1</source>
        <translation>容量: %1</translation>
    </message>
    <message>
        <source>Used: %1</source>
        <translation>使用済み: %1</translation>
    </message>
    <message>
        <source>Free: %1</source>
        <translation>空き: %1</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>%1 を読み込めません: %2。</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>%1 に書き込めません: %2。</translation>
    </message>
    <message>
        <source>Cannot read the free space of %1.</source>
        <translation>%1 の空き容量を取得できません。</translation>
    </message>
    <message>
        <source>Not enough free space on %1: the files need %2, only %3 are free. Nothing was copied.</source>
        <translation>%1 の空き容量が足りません。ファイルには %2 必要ですが、空きは %3 しかありません。何もコピーしていません。</translation>
    </message>
    <message>
        <source>Cannot make the folder %1: %2.</source>
        <translation>フォルダー %1 を作成できません: %2。</translation>
    </message>
    <message>
        <source>The copy of %1 is incomplete: the file changed while it was copied.</source>
        <translation>%1 のコピーが完了していません。コピー中にファイルが変更されました。</translation>
    </message>
    <message>
        <source>Please make sure the PSP is connected.</source>
        <translation>PSP が接続されていることを確認してください。</translation>
    </message>
    <message>
        <source>Please make sure the PSP is connected.
And the video folder %1 is not valid.
Please select a valid source folder.</source>
        <translation>PSP が接続されていることを確認してください。
また、ビデオフォルダー %1 は無効です。
有効なコピー元フォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Add Photo</source>
        <translation>写真の追加</translation>
    </message>
    <message>
        <source>Add %1 Photos</source>
        <translation>写真 %1 枚の追加</translation>
    </message>
    <message>
        <source>Delete Photo</source>
        <translation>写真の削除</translation>
    </message>
    <message>
        <source>Delete %1 Photos</source>
        <translation>写真 %1 枚の削除</translation>
    </message>
    <message>
        <source>Move Photo</source>
        <translation>写真の移動</translation>
    </message>
    <message>
        <source>Move %1 Photos</source>
        <translation>写真 %1 枚の移動</translation>
    </message>
    <message>
        <source>Sort Photos</source>
        <translation>写真の並べ替え</translation>
    </message>
    <message>
        <source>Change Display Time</source>
        <translation>表示時間の変更</translation>
    </message>
    <message>
        <source>Change Transition Time</source>
        <translation>トランジション時間の変更</translation>
    </message>
    <message>
        <source>Change Image Effect</source>
        <translation>画像エフェクトの変更</translation>
    </message>
    <message>
        <source>Change Transition</source>
        <translation>トランジションの変更</translation>
    </message>
    <message>
        <source>Fit to Music</source>
        <translation>音楽に合わせる</translation>
    </message>
    <message>
        <source>Apply Times to All Photos</source>
        <translation>すべての写真への時間の適用</translation>
    </message>
    <message>
        <source>Set Cover</source>
        <translation>カバーの設定</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>左回転</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>右回転</translation>
    </message>
    <message>
        <source>Edit Picture</source>
        <translation>画像の編集</translation>
    </message>
    <message>
        <source>Rename Slideshow</source>
        <translation>スライドショー名の変更</translation>
    </message>
    <message>
        <source>Move Slideshow</source>
        <translation>スライドショーの移動</translation>
    </message>
    <message>
        <source>Add Slideshow</source>
        <translation>スライドショーの追加</translation>
    </message>
    <message>
        <source>Import Folders</source>
        <translation>フォルダーの読み込み</translation>
    </message>
    <message>
        <source>Delete Slideshow</source>
        <translation>スライドショーの削除</translation>
    </message>
    <message>
        <source>Delete All Slideshows</source>
        <translation>すべてのスライドショーの削除</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>音楽の追加</translation>
    </message>
    <message>
        <source>Add Music Tracks</source>
        <translation>曲の追加</translation>
    </message>
    <message>
        <source>Delete Music</source>
        <translation>音楽の削除</translation>
    </message>
    <message>
        <source>Move Music</source>
        <translation>音楽の移動</translation>
    </message>
    <message>
        <source>Transition Settings</source>
        <translation>トランジションの設定</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>パン</translation>
    </message>
    <message>
        <source>Pan/Zoom</source>
        <translation>パン/ズーム</translation>
    </message>
    <message>
        <source>Pan/Zoom/Rotate</source>
        <translation>パン/ズーム/回転</translation>
    </message>
    <message>
        <source>pan from left to right</source>
        <translation>左から右へパン</translation>
    </message>
    <message>
        <source>pan from right to left</source>
        <translation>右から左へパン</translation>
    </message>
    <message>
        <source>pan from left-down to right-up</source>
        <translation>左下から右上へパン</translation>
    </message>
    <message>
        <source>pan from right-up to left-down</source>
        <translation>右上から左下へパン</translation>
    </message>
    <message>
        <source>pan from left-up to right-down</source>
        <translation>左上から右下へパン</translation>
    </message>
    <message>
        <source>pan from right-down to left-up</source>
        <translation>右下から左上へパン</translation>
    </message>
    <message>
        <source>pan from up to down</source>
        <translation>上から下へパン</translation>
    </message>
    <message>
        <source>pan from down to up</source>
        <translation>下から上へパン</translation>
    </message>
    <message>
        <source>zoom center in</source>
        <translation>中央へズームイン</translation>
    </message>
    <message>
        <source>zoom left-up in</source>
        <translation>左上へズームイン</translation>
    </message>
    <message>
        <source>zoom right-up in</source>
        <translation>右上へズームイン</translation>
    </message>
    <message>
        <source>zoom left-down in</source>
        <translation>左下へズームイン</translation>
    </message>
    <message>
        <source>zoom right-down in</source>
        <translation>右下へズームイン</translation>
    </message>
    <message>
        <source>zoom center out</source>
        <translation>中央からズームアウト</translation>
    </message>
    <message>
        <source>zoom left-up out</source>
        <translation>左上からズームアウト</translation>
    </message>
    <message>
        <source>zoom right-up out</source>
        <translation>右上からズームアウト</translation>
    </message>
    <message>
        <source>zoom left-down out</source>
        <translation>左下からズームアウト</translation>
    </message>
    <message>
        <source>zoom right-down out</source>
        <translation>右下からズームアウト</translation>
    </message>
    <message>
        <source>zoom in and rotate</source>
        <translation>ズームインして回転</translation>
    </message>
    <message>
        <source>zoom out and rotate</source>
        <translation>ズームアウトして回転</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>random</source>
        <translation>ランダム</translation>
    </message>
    <message>
        <source>axis</source>
        <translation>軸</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>fingers</source>
        <translation>針</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>push</source>
        <translation>押し出し</translation>
    </message>
    <message>
        <source>sides</source>
        <translation>角の数</translation>
    </message>
    <message>
        <source>smooth</source>
        <translation>なめらか</translation>
    </message>
    <message>
        <source>width</source>
        <translation>幅</translation>
    </message>
    <message>
        <source>window number</source>
        <translation>羽根の数</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>フェード</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>アコーディオン</translation>
    </message>
    <message>
        <source>Blinds</source>
        <translation>ブラインド</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>円形</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>時計</translation>
    </message>
    <message>
        <source>Cube fly</source>
        <translation>キューブ</translation>
    </message>
    <message>
        <source>Diagonal sweep</source>
        <translation>斜めスイープ</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>ドア</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>フリップ</translation>
    </message>
    <message>
        <source>Fly</source>
        <translation>フライ</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>多角形</translation>
    </message>
    <message>
        <source>Rotate in</source>
        <translation>回転イン</translation>
    </message>
    <message>
        <source>Shutter</source>
        <translation>シャッター</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>スピン</translation>
    </message>
    <message>
        <source>Sweep</source>
        <translation>スイープ</translation>
    </message>
    <message>
        <source>Twist</source>
        <translation>ツイスト</translation>
    </message>
    <message>
        <source>Wipe</source>
        <translation>ワイプ</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>ズーム</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>ランダム</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not a music file Pictavo can play, so it will not be added!</source>
        <translation>ファイル「%1」は Pictavo で再生できる音楽ファイルではないため、追加しません。</translation>
    </message>
    <message>
        <source>BMP image</source>
        <translation>BMP 画像</translation>
    </message>
    <message>
        <source>GIF image</source>
        <translation>GIF 画像</translation>
    </message>
    <message>
        <source>JPEG image</source>
        <translation>JPEG 画像</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>PNG 画像</translation>
    </message>
    <message>
        <source>Icon image</source>
        <translation>アイコン画像</translation>
    </message>
    <message>
        <source>TIFF image</source>
        <translation>TIFF 画像</translation>
    </message>
    <message>
        <source>Targa image</source>
        <translation>Targa 画像</translation>
    </message>
    <message>
        <source>PCX image</source>
        <translation>PCX 画像</translation>
    </message>
    <message>
        <source>WBMP image</source>
        <translation>WBMP 画像</translation>
    </message>
    <message>
        <source>Windows metafile</source>
        <translation>Windows メタファイル</translation>
    </message>
    <message>
        <source>Enhanced metafile</source>
        <translation>拡張メタファイル</translation>
    </message>
    <message>
        <source>JPEG 2000 image</source>
        <translation>JPEG 2000 画像</translation>
    </message>
    <message>
        <source>JPEG 2000 codestream</source>
        <translation>JPEG 2000 コードストリーム</translation>
    </message>
    <message>
        <source>PGX image</source>
        <translation>PGX 画像</translation>
    </message>
    <message>
        <source>PNM image</source>
        <translation>PNM 画像</translation>
    </message>
    <message>
        <source>PGM image</source>
        <translation>PGM 画像</translation>
    </message>
    <message>
        <source>PPM image</source>
        <translation>PPM 画像</translation>
    </message>
    <message>
        <source>Sun raster image</source>
        <translation>Sun ラスター画像</translation>
    </message>
    <message>
        <source>HEIC image</source>
        <translation>HEIC 画像</translation>
    </message>
    <message>
        <source>HEIF image</source>
        <translation>HEIF 画像</translation>
    </message>
    <message>
        <source>WebP image</source>
        <translation>WebP 画像</translation>
    </message>
    <message>
        <source>MP3 audio</source>
        <translation>MP3 オーディオ</translation>
    </message>
    <message>
        <source>WAV audio</source>
        <translation>WAV オーディオ</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>in the slideshow already</source>
        <translation>すでにスライドショーにあります</translation>
    </message>
    <message>
        <source>not a picture Pictavo can read</source>
        <translation>Pictavo で読み込める画像ではありません</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 ほか %2 件</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 秒</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>You have reached the limit of %1 slideshows!</source>
        <translation>スライドショーは最大 %1 個までです。</translation>
    </message>
    <message>
        <source>The slideshow name is empty or already in use!</source>
        <translation>スライドショー名が空か、すでに使われています。</translation>
    </message>
    <message>
        <source>You cannot add more pictures than the output disk can hold!</source>
        <translation>出力先のディスクに収まる以上の画像は追加できません。</translation>
    </message>
    <message>
        <source>The videos would be over 4000 MB! Please delete some pictures or shorten the display time in Settings!</source>
        <translation>ビデオが 4000 MB を超えてしまいます。画像をいくつか削除するか、設定で表示時間を短くしてください。</translation>
    </message>
    <message>
        <source>This is the last music track; it cannot be deleted!</source>
        <translation>これは最後の曲なので、削除できません。</translation>
    </message>
    <message>
        <source>Photos you add from now on are shown for %1 after a transition of %2. Do you want every photo already in the project to take these times too? Their motions and transitions stay as they are.</source>
        <translation>これから追加する写真は、%2 のトランジションの後に %1 表示されます。プロジェクトにあるすべての写真にも、この時間を適用しますか？ 動きとトランジションはそのままです。</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>The project was saved to &apos;%1&apos;.</source>
        <translation>プロジェクトを「%1」に保存しました。</translation>
    </message>
    <message>
        <source>The project could not be saved to &apos;%1&apos;: %2. Your changes are kept; save to another folder or free some space.</source>
        <translation>プロジェクトを「%1」に保存できませんでした: %2。変更内容は残っています。別のフォルダーに保存するか、ディスクの空き容量を増やしてください。</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>1 file could not be added: %1.</source>
        <translation>1 個のファイルを追加できませんでした: %1。</translation>
    </message>
    <message>
        <source>%1 files could not be added: %2.</source>
        <translation>%1 個のファイルを追加できませんでした: %2。</translation>
    </message>
    <message>
        <source>The project &apos;%1&apos; could not be opened: %2.</source>
        <translation>プロジェクト「%1」を開けませんでした: %2。</translation>
    </message>
    <message>
        <source>it is not a Pictavo project file</source>
        <translation>Pictavo のプロジェクトファイルではありません</translation>
    </message>
    <message>
        <source>it is damaged: a part every project file has is missing</source>
        <translation>ファイルが壊れています。プロジェクトファイルに必要な部分がありません</translation>
    </message>
    <message>
        <source>it is far too large to be a project file</source>
        <translation>プロジェクトファイルとしては大きすぎます</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>ファイルを読み込めません</translation>
    </message>
    <message>
        <source>Not enough disk space: please choose another drive. %1 MB are needed.</source>
        <translation>ディスクの空き容量が足りません。別のドライブを選択してください。%1 MB 必要です。</translation>
    </message>
    <message>
        <source>The drive %1 needs more than %2 MB of free space. Please delete files you no longer need and try again!</source>
        <translation>ドライブ %1 には %2 MB を超える空き容量が必要です。不要なファイルを削除してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Not enough disk space: please choose another drive. The videos need %1 MB,
and the drive %2 needs %1 MB!</source>
        <translation>ディスクの空き容量が足りません。別のドライブを選択してください。ビデオには %1 MB、
ドライブ %2 には %1 MB の空きが必要です。</translation>
    </message>
    <message>
        <source>The output folder holds files that are not this project&apos;s videos, so Pictavo does not empty it.
Please choose another folder or move those files.</source>
        <translation>出力フォルダーにこのプロジェクトのビデオ以外のファイルがあるため、Pictavo はフォルダーを空にしません。
別のフォルダーを選択するか、それらのファイルを移動してください。</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>The output folder &apos;%1&apos; cannot be made or written. Please choose another folder and try again.</source>
        <translation>出力フォルダー「%1」を作成できないか、書き込めません。別のフォルダーを選択して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Slideshow &apos;%1&apos; has no photos. Please add photos to it or delete it and try again.</source>
        <translation>スライドショー「%1」に写真がありません。写真を追加するかスライドショーを削除してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The photo &apos;%1&apos; of slideshow &apos;%2&apos; cannot be read any more. Please remove it or bring it back and try again.</source>
        <translation>スライドショー「%2」の写真「%1」を読み込めなくなりました。写真を削除するか元の場所に戻してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Making the video files failed!</source>
        <translation>ビデオファイルを作成できませんでした。</translation>
    </message>
    <message>
        <source>Stopped!</source>
        <translation>中止しました。</translation>
    </message>
    <message>
        <source>The computer will shut down in 1 second!
If you do not want it to shut down, press Cancel.</source>
        <translation>1 秒後にコンピューターをシャットダウンします。
シャットダウンしない場合は、［キャンセル］を押してください。</translation>
    </message>
    <message>
        <source>The computer will shut down in %1 seconds!
If you do not want it to shut down, press Cancel.</source>
        <translation>%1 秒後にコンピューターをシャットダウンします。
シャットダウンしない場合は、［キャンセル］を押してください。</translation>
    </message>
    <message>
        <source>The computer cannot be shut down: the power service cannot be reached.</source>
        <translation>コンピューターをシャットダウンできません。電源管理サービスに接続できません。</translation>
    </message>
    <message>
        <source>The computer cannot be shut down: permission was refused.</source>
        <translation>コンピューターをシャットダウンできません。許可されませんでした。</translation>
    </message>
    <message>
        <source>The project could not be saved, so the computer stays on.</source>
        <translation>プロジェクトを保存できなかったため、コンピューターはシャットダウンしません。</translation>
    </message>
    <message>
        <source>Relink Photo</source>
        <translation>写真の再リンク</translation>
    </message>
    <message>
        <source>Relink Photos</source>
        <translation>写真の再リンク</translation>
    </message>
    <message>
        <source>1 photo could not be found: %1. It stays in the project and is left out of the videos until it is relinked.</source>
        <translation>1 枚の写真が見つかりません: %1。写真はプロジェクトに残り、再リンクされるまでビデオには含まれません。</translation>
    </message>
    <message>
        <source>%1 photos could not be found: %2. They stay in the project and are left out of the videos until they are relinked.</source>
        <translation>%1 枚の写真が見つかりません: %2。写真はプロジェクトに残り、再リンクされるまでビデオには含まれません。</translation>
    </message>
    <message>
        <source>1 photo could not be found and is left out of the videos: %1</source>
        <translation>1 枚の写真が見つからないため、ビデオに含まれません: %1</translation>
    </message>
    <message>
        <source>%1 photos could not be found and are left out of the videos: %2</source>
        <translation>%1 枚の写真が見つからないため、ビデオに含まれません: %2</translation>
    </message>
    <message>
        <source>This video was made but will not play on the PSP:

%1</source>
        <translation>このビデオは作成されましたが、PSP では再生できません:

%1</translation>
    </message>
    <message>
        <source>These videos were made but will not play on the PSP:

%1</source>
        <translation>これらのビデオは作成されましたが、PSP では再生できません:

%1</translation>
    </message>
    <message>
        <source>the PSP needs H.264 Baseline or Main profile, or MPEG-4 Simple Profile</source>
        <translation>PSP には H.264 の Baseline または Main プロファイル、または MPEG-4 Simple Profile が必要です</translation>
    </message>
    <message>
        <source>the PSP needs AAC-LC</source>
        <translation>PSP には AAC-LC が必要です</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1。%2</translation>
    </message>
    <message>
        <source>the PSP needs an MP4 file of brand MSNV</source>
        <translation>PSP にはブランド MSNV の MP4 ファイルが必要です</translation>
    </message>
    <message>
        <source>container</source>
        <translation>コンテナー</translation>
    </message>
    <message>
        <source>the file %1</source>
        <translation>ファイル: %1</translation>
    </message>
    <message>
        <source>MP4 of brand %1</source>
        <translation>ブランド %1 の MP4</translation>
    </message>
    <message>
        <source>MP4 of brand %1 (compatible: %2)</source>
        <translation>ブランド %1 の MP4 (互換: %2)</translation>
    </message>
    <message>
        <source>video codec</source>
        <translation>ビデオ コーデック</translation>
    </message>
    <message>
        <source>H.264, but %1</source>
        <translation>H.264 ですが、%1</translation>
    </message>
    <message>
        <source>H.264 %1 profile</source>
        <translation>H.264 %1 プロファイル</translation>
    </message>
    <message>
        <source>level</source>
        <translation>レベル</translation>
    </message>
    <message>
        <source>level %1</source>
        <translation>レベル %1</translation>
    </message>
    <message>
        <source>the PSP needs level 2.1 or lower</source>
        <translation>PSP にはレベル 2.1 以下が必要です</translation>
    </message>
    <message>
        <source>reference frames</source>
        <translation>参照フレーム</translation>
    </message>
    <message>
        <source>%1 reference frames</source>
        <translation>参照フレーム %1 枚</translation>
    </message>
    <message>
        <source>the PSP needs 2 at most</source>
        <translation>PSP では 2 枚までです</translation>
    </message>
    <message>
        <source>slices</source>
        <translation>スライス</translation>
    </message>
    <message>
        <source>the PSP needs 1 slice a picture</source>
        <translation>PSP には 1 画像につき 1 スライスが必要です</translation>
    </message>
    <message>
        <source>1 slice in the first picture</source>
        <translation>最初の画像に 1 スライス</translation>
    </message>
    <message>
        <source>%1 slices in the first picture</source>
        <translation>最初の画像に %1 スライス</translation>
    </message>
    <message>
        <source>MPEG-4, but %1</source>
        <translation>MPEG-4 ですが、%1</translation>
    </message>
    <message>
        <source>frame size</source>
        <translation>フレーム サイズ</translation>
    </message>
    <message>
        <source>the PSP needs at most 480x272, both sides multiples of 16</source>
        <translation>PSP では 480x272 以下で、縦横とも 16 の倍数が必要です</translation>
    </message>
    <message>
        <source>the PSP needs 29.97 frames a second or fewer</source>
        <translation>PSP では毎秒 29.97 フレーム以下が必要です</translation>
    </message>
    <message>
        <source>frame rate</source>
        <translation>フレーム レート</translation>
    </message>
    <message>
        <source>no frame rate</source>
        <translation>フレーム レートなし</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <translation>%1 fps</translation>
    </message>
    <message>
        <source>no video stream</source>
        <translation>ビデオ ストリームなし</translation>
    </message>
    <message>
        <source>audio codec</source>
        <translation>オーディオ コーデック</translation>
    </message>
    <message>
        <source>AAC without its configuration</source>
        <translation>構成情報のない AAC</translation>
    </message>
    <message>
        <source>no audio stream</source>
        <translation>オーディオ ストリームなし</translation>
    </message>
    <message>
        <source>sample rate</source>
        <translation>サンプリング レート</translation>
    </message>
    <message>
        <source>the PSP needs 24000 or 48000 Hz</source>
        <translation>PSP には 24000 Hz または 48000 Hz が必要です</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 チャンネル</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 チャンネル</translation>
    </message>
    <message>
        <source>the PSP needs 2 (stereo)</source>
        <translation>PSP には 2 チャンネル (ステレオ) が必要です</translation>
    </message>
    <message>
        <source>file size</source>
        <translation>ファイル サイズ</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 バイト</translation>
    </message>
    <message>
        <source>the PSP&apos;s FAT32 memory stick holds files under 4 GB</source>
        <translation>PSP の FAT32 メモリースティックに入るのは 4 GB 未満のファイルです</translation>
    </message>
    <message>
        <source>the PSP needs a 160x120 baseline JPEG</source>
        <translation>PSP には 160x120 のベースライン JPEG が必要です</translation>
    </message>
    <message>
        <source>thumbnail</source>
        <translation>サムネイル</translation>
    </message>
    <message>
        <source>no %1</source>
        <translation>%1 がありません</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: %2x%3 baseline JPEG</source>
        <translation>%1: %2x%3 のベースライン JPEG</translation>
    </message>
    <message>
        <source>%1: %2x%3 JPEG, not baseline</source>
        <translation>%1: %2x%3 の JPEG (ベースラインではありません)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>file</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>ファイルではありません</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>ファイルがありません</translation>
    </message>
    <message>
        <source>the PSP needs a video file</source>
        <translation>PSP にはビデオ ファイルが必要です</translation>
    </message>
    <message>
        <source>media</source>
        <translation>メディア</translation>
    </message>
    <message>
        <source>FFmpeg cannot read it: %1</source>
        <translation>FFmpeg で読み取れません: %1</translation>
    </message>
    <message>
        <source>the PSP needs a video with its streams readable</source>
        <translation>PSP にはストリームを読み取れるビデオが必要です</translation>
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
        <translation>キャプションの変更</translation>
    </message>
    <message>
        <source>Change Automatic Caption</source>
        <translation>自動キャプションの変更</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Pictavo turns photos and music into slideshow videos for the PSP.</source>
        <translation>Pictavo は写真と音楽から PSP 用のスライドショービデオを作成します。</translation>
    </message>
    <message>
        <source>A project file (.prg) to open.</source>
        <translation>開くプロジェクトファイル (.prg)。</translation>
    </message>
    <message>
        <source>Pictavo is already running; its window was brought to the front.</source>
        <translation>Pictavo はすでに起動しています。ウィンドウを前面に表示しました。</translation>
    </message>
    <message>
        <source>Pictavo is already running.</source>
        <translation>Pictavo はすでに起動しています。</translation>
    </message>
</context>
<context>
    <name>pictavo::AboutDialog</name>
    <message>
        <source>About Pictavo</source>
        <translation>Pictavo について</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Slideshow videos of your photos and music for the PlayStation Portable.</source>
        <translation>あなたの写真と音楽で、PlayStation Portable 用のスライドショービデオを作ります。</translation>
    </message>
</context>
<context>
    <name>pictavo::CapacityBar</name>
    <message>
        <source>Total: %1MB used:%2MB </source>
        <translation>合計: %1MB  使用: %2MB </translation>
    </message>
</context>
<context>
    <name>pictavo::CompletionDialog</name>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Mission accomplished!</source>
        <translation>完了しました！</translation>
    </message>
    <message>
        <source>Output Folder:</source>
        <translation>出力フォルダー:</translation>
    </message>
    <message>
        <source>Next step: connect the PSP to your computer with a USB cable, and then click the &quot;Transfer to PSP&quot; button.</source>
        <translation>次の手順: PSP を USB ケーブルでコンピューターに接続し、［PSP に転送］ボタンをクリックしてください。</translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation>出力フォルダーを開く</translation>
    </message>
    <message>
        <source>Transfer to PSP</source>
        <translation>PSP に転送</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>The videos and their cover pictures are ready for phones, tablets and TVs: copy them from the output folder.</source>
        <translation>スマートフォン、タブレット、テレビ用のビデオとカバー画像ができました。出力フォルダーからコピーしてください。</translation>
    </message>
</context>
<context>
    <name>pictavo::EffectPage</name>
    <message>
        <source>Single effect apply</source>
        <translation>画像エフェクトの適用</translation>
    </message>
    <message>
        <source>Apply to all images</source>
        <translation>すべての画像に適用</translation>
    </message>
    <message>
        <source>Single Effect time apply</source>
        <translation>表示時間の適用</translation>
    </message>
    <message>
        <source>Transition effect apply</source>
        <translation>トランジションの適用</translation>
    </message>
    <message>
        <source>Transition effect time apply</source>
        <translation>トランジション時間の適用</translation>
    </message>
    <message>
        <source>Effect:</source>
        <translation>エフェクト:</translation>
    </message>
    <message>
        <source>Photo Duration:</source>
        <translation>写真の表示時間:</translation>
    </message>
    <message>
        <source>Transition Settings...</source>
        <translation>トランジションの設定...</translation>
    </message>
    <message>
        <source>Effect Duration:</source>
        <translation>エフェクト時間:</translation>
    </message>
    <message>
        <source>Select an effect on the left to preview it</source>
        <translation>左のエフェクトを選ぶと、ここでプレビューできます</translation>
    </message>
    <message>
        <source>Apply to selected images</source>
        <translation>選択した画像に適用</translation>
    </message>
    <message>
        <source>Apply to ...</source>
        <translation>適用...</translation>
    </message>
    <message>
        <source>No transition effect is selected in the list!</source>
        <translation>リストでトランジションが選択されていません。</translation>
    </message>
    <message>
        <source>Play from Here</source>
        <translation>ここから再生</translation>
    </message>
    <message>
        <source>Play the slideshow with its music from the selected photo on</source>
        <translation>選択した写真からスライドショーを音楽付きで再生します</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全画面</translation>
    </message>
    <message>
        <source>Play the slideshow over the whole screen (F11)</source>
        <translation>スライドショーを全画面で再生します (F11)</translation>
    </message>
    <message>
        <source>No automatic caption</source>
        <translation>自動キャプションなし</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Date taken</source>
        <translation>撮影日</translation>
    </message>
    <message>
        <source>File name and date taken</source>
        <translation>ファイル名と撮影日</translation>
    </message>
    <message>
        <source>The caption of the photos that have none typed for them</source>
        <translation>キャプションが入力されていない写真のキャプション</translation>
    </message>
    <message>
        <source>At the bottom</source>
        <translation>下</translation>
    </message>
    <message>
        <source>At the top</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>キャプション:</translation>
    </message>
    <message>
        <source>Select photos to caption them</source>
        <translation>写真を選択してキャプションを付けます</translation>
    </message>
    <message>
        <source>The automatic caption</source>
        <translation>自動キャプション</translation>
    </message>
    <message>
        <source>Several captions</source>
        <translation>複数のキャプション</translation>
    </message>
    <message>
        <source>Automatic caption</source>
        <translation>自動キャプション</translation>
    </message>
    <message>
        <source>Place of the captions</source>
        <translation>キャプションの位置</translation>
    </message>
</context>
<context>
    <name>pictavo::FileDialogs</name>
    <message>
        <source>Project Files</source>
        <translation>プロジェクトファイル</translation>
    </message>
    <message>
        <source>Supported files</source>
        <translation>対応ファイル</translation>
    </message>
    <message>
        <source>BMP files</source>
        <translation>BMP ファイル</translation>
    </message>
    <message>
        <source>GIF files</source>
        <translation>GIF ファイル</translation>
    </message>
    <message>
        <source>JPG files</source>
        <translation>JPG ファイル</translation>
    </message>
    <message>
        <source>PNG files</source>
        <translation>PNG ファイル</translation>
    </message>
    <message>
        <source>TIF files</source>
        <translation>TIF ファイル</translation>
    </message>
    <message>
        <source>Icon files</source>
        <translation>アイコンファイル</translation>
    </message>
    <message>
        <source>WMF and EMF files</source>
        <translation>WMF/EMF ファイル</translation>
    </message>
    <message>
        <source>HEIC and WebP files</source>
        <translation>HEIC/WebP ファイル</translation>
    </message>
    <message>
        <source>Other picture files</source>
        <translation>その他の画像ファイル</translation>
    </message>
    <message>
        <source>All Supported Files</source>
        <translation>すべての対応ファイル</translation>
    </message>
</context>
<context>
    <name>pictavo::FullScreenPreview</name>
    <message>
        <source>Slideshow Preview</source>
        <translation>スライドショーのプレビュー</translation>
    </message>
</context>
<context>
    <name>pictavo::ImageLine</name>
    <message>
        <source>Image line effect</source>
        <translation>イメージライン: トランジション</translation>
    </message>
    <message>
        <source>Image Line Image</source>
        <translation>イメージライン: 画像</translation>
    </message>
    <message>
        <source>Edit transition duration</source>
        <translation>トランジション時間を編集</translation>
    </message>
    <message>
        <source>Randomize transition effect</source>
        <translation>トランジションをランダムに設定</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Edit image duration</source>
        <translation>表示時間を編集</translation>
    </message>
    <message>
        <source>Delete image</source>
        <translation>画像を削除</translation>
    </message>
    <message>
        <source>Delete image effect (no Pan/Zoom/Rotate)</source>
        <translation>画像エフェクトを削除 (パン/ズーム/回転なし)</translation>
    </message>
    <message>
        <source>Randomize image effect (Pan/Zoom/Rotate)</source>
        <translation>画像エフェクトをランダムに設定 (パン/ズーム/回転)</translation>
    </message>
    <message>
        <source>Index: %1   Image effect: %2</source>
        <translation>番号: %1   画像エフェクト: %2</translation>
    </message>
</context>
<context>
    <name>pictavo::ImportFolderDialog</name>
    <message>
        <source>Import photos from folder</source>
        <translation>フォルダーから写真を読み込む</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>すべて解除</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>pictavo::MainWindow</name>
    <message>
        <source>Project</source>
        <translation>プロジェクト</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>プロジェクトを開く</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>プロジェクトを保存</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規作成</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>開く...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>Help Manual</source>
        <translation>マニュアル</translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation>今日のヒント</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>元に戻す: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>やり直し: %1</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
    <message>
        <source>Tips.txt</source>
        <comment>the tips of the day in the language: Tips_LL.txt</comment>
        <translation>Tips_ja.txt</translation>
    </message>
</context>
<context>
    <name>pictavo::MissingPhotosDialog</name>
    <message>
        <source>Find in Folder...</source>
        <translation>フォルダーから探す...</translation>
    </message>
    <message>
        <source>Missing Photos</source>
        <translation>見つからない写真</translation>
    </message>
    <message>
        <source>Missing photos</source>
        <translation>見つからない写真</translation>
    </message>
    <message>
        <source>Every photo of the project is found.</source>
        <translation>プロジェクトの写真はすべて見つかりました。</translation>
    </message>
    <message>
        <source>1 photo of this project could not be found. It stays in the project and is left out of the videos until you find it: choose the folder it was moved to, and Pictavo looks for it in that folder and in the folders below it.</source>
        <translation>このプロジェクトの写真 1 枚が見つかりません。写真はプロジェクトに残り、見つかるまでビデオには含まれません。移動先のフォルダーを選ぶと、Pictavo がそのフォルダーとその下のフォルダーから探します。</translation>
    </message>
    <message>
        <source>%1 photos of this project could not be found. They stay in the project and are left out of the videos until you find them: choose the folder they were moved to, and Pictavo looks for them in that folder and in the folders below it.</source>
        <translation>このプロジェクトの写真 %1 枚が見つかりません。写真はプロジェクトに残り、見つかるまでビデオには含まれません。移動先のフォルダーを選ぶと、Pictavo がそのフォルダーとその下のフォルダーから探します。</translation>
    </message>
    <message>
        <source>Choose the folder the photos were moved to</source>
        <translation>写真の移動先のフォルダーを選択</translation>
    </message>
    <message>
        <source>Found %1 of %2 photos in %3.</source>
        <translation>%3 で %2 枚中 %1 枚の写真が見つかりました。</translation>
    </message>
</context>
<context>
    <name>pictavo::MusicList</name>
    <message>
        <source>Index</source>
        <translation>番号</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Track Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Track Duration</source>
        <translation>長さ</translation>
    </message>
</context>
<context>
    <name>pictavo::MusicPage</name>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Add music files</source>
        <translation>音楽ファイルを追加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上へ</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下へ</translation>
    </message>
    <message>
        <source>Play Music</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Stop Music</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Fit to Music</source>
        <translation>音楽に合わせる</translation>
    </message>
    <message>
        <source>Fit the photos&apos; display times to the music</source>
        <translation>写真の表示時間を音楽の長さに合わせます</translation>
    </message>
    <message>
        <source>Preview Slideshow</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Play slideshow preview</source>
        <translation>スライドショーをプレビュー再生</translation>
    </message>
    <message>
        <source>Stop Preview</source>
        <translation>プレビュー停止</translation>
    </message>
    <message>
        <source>Stop slideshow preview</source>
        <translation>スライドショーのプレビューを停止</translation>
    </message>
    <message>
        <source>%1 to %2 seconds</source>
        <translation>%1～%2 秒</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 秒</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>Every photo now shows for %1: the slideshow lasts %2, as long as the music.</source>
        <translation>すべての写真の表示時間を %1 にしました。スライドショーの長さは音楽と同じ %2 です。</translation>
    </message>
    <message>
        <source>There are no photos or no music to fit!</source>
        <translation>合わせる写真または音楽がありません。</translation>
    </message>
    <message>
        <source>The music is too short: every photo now shows for the shortest time, and the slideshow still lasts longer than the music.</source>
        <translation>音楽が短すぎます。すべての写真を最短の時間で表示するようにしましたが、スライドショーは音楽より長くなります。</translation>
    </message>
    <message>
        <source>The music is too long: every photo now shows for the longest time, and the music is cut at the end.</source>
        <translation>音楽が長すぎます。すべての写真を最長の時間で表示するようにしました。音楽は最後で途切れます。</translation>
    </message>
    <message>
        <source>The music cannot be played (%1): %2.</source>
        <translation>音楽を再生できません（%1）: %2。</translation>
    </message>
</context>
<context>
    <name>pictavo::OrganizePhotoPage</name>
    <message>
        <source>Add Slideshow: Import Images from Folder</source>
        <translation>スライドショーを追加: フォルダーから画像を読み込む</translation>
    </message>
    <message>
        <source>Add Slideshow: Add Picture Files</source>
        <translation>スライドショーを追加: 画像ファイルを選ぶ</translation>
    </message>
    <message>
        <source>Delete Slideshow</source>
        <translation>スライドショーを削除</translation>
    </message>
    <message>
        <source>Move Slideshow Up</source>
        <translation>スライドショーを上へ移動</translation>
    </message>
    <message>
        <source>Move Slideshow Down</source>
        <translation>スライドショーを下へ移動</translation>
    </message>
    <message>
        <source>Add Pictures</source>
        <translation>画像を追加</translation>
    </message>
    <message>
        <source>Delete Pictures</source>
        <translation>画像を削除</translation>
    </message>
    <message>
        <source>Move Picture Up</source>
        <translation>画像を前へ移動</translation>
    </message>
    <message>
        <source>Move Picture Down</source>
        <translation>画像を後ろへ移動</translation>
    </message>
    <message>
        <source>Arrange Pictures</source>
        <translation>画像の並べ替え</translation>
    </message>
    <message>
        <source>Rotate Picture Left</source>
        <translation>画像を左に回転</translation>
    </message>
    <message>
        <source>Rotate Picture Right</source>
        <translation>画像を右に回転</translation>
    </message>
    <message>
        <source>Edit Picture</source>
        <translation>画像を編集</translation>
    </message>
    <message>
        <source>Display Mode</source>
        <translation>表示モード</translation>
    </message>
    <message>
        <source>Show or Hide File Names</source>
        <translation>ファイル名の表示/非表示</translation>
    </message>
    <message>
        <source>Total Duration: %1</source>
        <translation>合計時間: %1</translation>
    </message>
    <message>
        <source>Please add a slideshow here!</source>
        <translation>ここからスライドショーを追加してください。</translation>
    </message>
    <message>
        <source>Ascending by Name</source>
        <translation>名前順 (昇順)</translation>
    </message>
    <message>
        <source>Descending by Name</source>
        <translation>名前順 (降順)</translation>
    </message>
    <message>
        <source>Ascending by Date</source>
        <translation>日付順 (昇順)</translation>
    </message>
    <message>
        <source>Descending by Date</source>
        <translation>日付順 (降順)</translation>
    </message>
    <message>
        <source>Large Thumbnails</source>
        <translation>大きいサムネイル</translation>
    </message>
    <message>
        <source>Detail List</source>
        <translation>詳細リスト</translation>
    </message>
    <message>
        <source>Thumbnail Size</source>
        <translation>サムネイルのサイズ</translation>
    </message>
    <message>
        <source>Thumbnail popup</source>
        <translation>サムネイルのメニュー</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Reset image effect (no Pan/Zoom/Rotate)</source>
        <translation>画像エフェクトをリセット (パン/ズーム/回転なし)</translation>
    </message>
    <message>
        <source>Randomize image effect (Pan/Zoom/Rotate)</source>
        <translation>画像エフェクトをランダムに設定 (パン/ズーム/回転)</translation>
    </message>
    <message>
        <source>Randomize transition effect</source>
        <translation>トランジションをランダムに設定</translation>
    </message>
    <message>
        <source>Set as menu thumbnail</source>
        <translation>メニューのサムネイルに設定</translation>
    </message>
    <message>
        <source>Rotation done!</source>
        <translation>回転しました。</translation>
    </message>
</context>
<context>
    <name>pictavo::PhotoDetailList</name>
    <message>
        <source>C</source>
        <comment>the locale whose month names the dates show</comment>
        <translation>ja_JP</translation>
    </message>
    <message>
        <source>MMMM dd HH:mm:ss</source>
        <comment>the form of the dates</comment>
        <translation>M月d日 HH:mm:ss</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>表示時間</translation>
    </message>
    <message>
        <source>Transition Effect</source>
        <translation>トランジション</translation>
    </message>
    <message>
        <source>Image Effect</source>
        <translation>画像エフェクト</translation>
    </message>
    <message>
        <source>%1 sec.</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>見つかりません: %1</translation>
    </message>
</context>
<context>
    <name>pictavo::PictureAdjustPage</name>
    <message>
        <source>Brightness</source>
        <translation>明るさ</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>彩度</translation>
    </message>
    <message>
        <source>Soften</source>
        <translation>ぼかし</translation>
    </message>
    <message>
        <source>Sharpen</source>
        <translation>シャープ</translation>
    </message>
</context>
<context>
    <name>pictavo::PictureCanvas</name>
    <message>
        <source>Enter your text here</source>
        <translation>ここに文字を入力</translation>
    </message>
</context>
<context>
    <name>pictavo::PictureDecorationPage</name>
    <message>
        <source>Animal</source>
        <translation>動物</translation>
    </message>
    <message>
        <source>Dress</source>
        <translation>服</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>顔</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>マーク</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>Kind of picture</source>
        <translation>イラストの種類</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>イラストを追加</translation>
    </message>
    <message>
        <source>Delete Picture</source>
        <translation>イラストを削除</translation>
    </message>
</context>
<context>
    <name>pictavo::PictureEditorDialog</name>
    <message>
        <source>Modify</source>
        <translation>画像の編集</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Previous Picture</source>
        <translation>前の画像</translation>
    </message>
    <message>
        <source>Next Picture</source>
        <translation>次の画像</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>変形</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>イラスト</translation>
    </message>
    <message>
        <source>Adjust</source>
        <translation>調整</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Cannot load the file %1</source>
        <translation>ファイル %1 を読み込めません</translation>
    </message>
    <message>
        <source>Cannot save the file %1</source>
        <translation>ファイル %1 を保存できません</translation>
    </message>
    <message>
        <source>This is the first picture!</source>
        <translation>これが最初の画像です。</translation>
    </message>
    <message>
        <source>This is the last picture!</source>
        <translation>これが最後の画像です。</translation>
    </message>
    <message>
        <source>Do you want to save the changes to this picture?</source>
        <translation>この画像への変更を保存しますか？</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>確認</translation>
    </message>
</context>
<context>
    <name>pictavo::PictureTextPage</name>
    <message>
        <source>Ordinary Text</source>
        <translation>通常のテキスト</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
</context>
<context>
    <name>pictavo::PictureTransformPage</name>
    <message>
        <source>TV&apos;s Screen Ratio</source>
        <translation>テレビの画面比率</translation>
    </message>
    <message>
        <source>Rotate 180°</source>
        <translation>180° 回転</translation>
    </message>
    <message>
        <source>Flip upside down</source>
        <translation>上下反転</translation>
    </message>
    <message>
        <source>Mirror left to right</source>
        <translation>左右反転</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>円形</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>トリミング</translation>
    </message>
</context>
<context>
    <name>pictavo::ProducePage</name>
    <message>
        <source>Create Video Files</source>
        <translation>ビデオファイルを作成</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Make Video Files</source>
        <translation>ビデオファイルを再作成</translation>
    </message>
    <message>
        <source>Main progress:</source>
        <translation>全体の進行状況:</translation>
    </message>
    <message>
        <source>Making Video Files...</source>
        <translation>ビデオファイルを作成中...</translation>
    </message>
    <message>
        <source>Ready to start</source>
        <translation>開始できます</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>出力フォルダー</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>プロファイル:</translation>
    </message>
    <message>
        <source>Working Folder:</source>
        <translation>作業フォルダー:</translation>
    </message>
    <message>
        <source>Advanced Settings:</source>
        <translation>詳細設定:</translation>
    </message>
    <message>
        <source>Total progress:</source>
        <translation>全体の進行状況:</translation>
    </message>
    <message>
        <source>Shut down the computer when the videos are done</source>
        <translation>ビデオの作成が終わったらコンピューターをシャットダウンする</translation>
    </message>
    <message>
        <source>PSP File Manager</source>
        <translation>PSP ファイルマネージャー</translation>
    </message>
    <message>
        <source>%1: %2 MB free</source>
        <translation>%1: 空き %2 MB</translation>
    </message>
    <message>
        <source>Please select a destination folder</source>
        <translation>保存先のフォルダーを選択してください</translation>
    </message>
    <message>
        <source>This profile makes videos for phones, tablets and TVs, not for the PSP. Choose a PSP profile to make videos to copy to the PSP.</source>
        <translation>このプロファイルは PSP 用ではなく、スマートフォン、タブレット、テレビ用のビデオを作成します。PSP にコピーするビデオを作成するには PSP のプロファイルを選んでください。</translation>
    </message>
</context>
<context>
    <name>pictavo::ProfileSettingsList</name>
    <message>
        <source>Video</source>
        <translation>ビデオ</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>ビデオコーデック</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>ビデオサイズ</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>ビデオビットレート</translation>
    </message>
    <message>
        <source>Video Frame Rate</source>
        <translation>フレームレート</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>オーディオ</translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation>オーディオコーデック</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>オーディオビットレート</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>サンプリングレート</translation>
    </message>
    <message>
        <source>Audio Channel</source>
        <translation>オーディオチャンネル</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>値</translation>
    </message>
</context>
<context>
    <name>pictavo::ProjectCommands</name>
    <message>
        <source>Query</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Do you want to save this project?</source>
        <translation>このプロジェクトを保存しますか？</translation>
    </message>
    <message>
        <source>Do you want to stop making the videos?</source>
        <translation>ビデオの作成を中止しますか？</translation>
    </message>
    <message>
        <source>Do you want to quit?</source>
        <translation>Pictavo を終了しますか？</translation>
    </message>
</context>
<context>
    <name>pictavo::ProjectTree</name>
    <message>
        <source>Images: %1
Duration: %2</source>
        <translation>画像: %1
長さ: %2</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>プロジェクトを保存</translation>
    </message>
    <message>
        <source>Load Project</source>
        <translation>プロジェクトを読み込む</translation>
    </message>
    <message>
        <source>Add Slideshow</source>
        <translation>スライドショーを追加</translation>
    </message>
    <message>
        <source>Delete All Slideshows</source>
        <translation>すべてのスライドショーを削除</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前の変更</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>Video Disc</source>
        <translation>ビデオディスク</translation>
    </message>
    <message>
        <source>Slideshow Info</source>
        <translation>スライドショーの情報</translation>
    </message>
    <message>
        <source>Slideshows: %1</source>
        <translation>スライドショー: %1</translation>
    </message>
</context>
<context>
    <name>pictavo::ProjectTreePage</name>
    <message>
        <source>Query</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Do you really want to delete this slideshow?</source>
        <translation>このスライドショーを削除してもよろしいですか？</translation>
    </message>
    <message>
        <source>Do you really want to delete all slideshows?</source>
        <translation>すべてのスライドショーを削除してもよろしいですか？</translation>
    </message>
</context>
<context>
    <name>pictavo::PspFileManagerDialog</name>
    <message>
        <source>Copied 1 file to %1.</source>
        <translation>1 個のファイルを %1 にコピーしました。</translation>
    </message>
    <message>
        <source>Copied %1 files to %2.</source>
        <translation>%1 個のファイルを %2 にコピーしました。</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%2 に %1 個</translation>
    </message>
    <message>
        <source>Copied %1 files: %2.</source>
        <translation>%1 個のファイルをコピーしました: %2。</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>Copy Files to PSP</source>
        <translation>PSP へのファイルのコピー</translation>
    </message>
    <message>
        <source>Select video folder</source>
        <translation>ビデオフォルダーを選択</translation>
    </message>
    <message>
        <source>Copy selected files to PSP</source>
        <translation>選択したファイルを PSP にコピー</translation>
    </message>
    <message>
        <source>Copy selected files to computer</source>
        <translation>選択したファイルをコンピューターにコピー</translation>
    </message>
    <message>
        <source>Detect PSP connection</source>
        <translation>PSP の接続を検出</translation>
    </message>
    <message>
        <source>Name files for the PSP</source>
        <translation>PSP 用のファイル名にする</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Video folder:</source>
        <translation>ビデオフォルダー:</translation>
    </message>
    <message>
        <source>PSP Video Folder:</source>
        <translation>PSP のビデオフォルダー:</translation>
    </message>
    <message>
        <source>Detection result:</source>
        <translation>検出結果:</translation>
    </message>
    <message>
        <source>Select output folder</source>
        <translation>出力フォルダーを選択</translation>
    </message>
    <message>
        <source>%1 (will not play)</source>
        <translation>%1 (再生できません)</translation>
    </message>
    <message>
        <source>This video will not play on the PSP:

%1

Copy it anyway?</source>
        <translation>このビデオは PSP で再生できません:

%1

それでもコピーしますか?</translation>
    </message>
    <message>
        <source>These videos will not play on the PSP:

%1

Copy them anyway?</source>
        <translation>これらのビデオは PSP で再生できません:

%1

それでもコピーしますか?</translation>
    </message>
</context>
<context>
    <name>pictavo::SettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>pictavo::SettingsNormalPage</name>
    <message>
        <source>Output Folder:</source>
        <translation>出力フォルダー:</translation>
    </message>
    <message>
        <source>TV&apos;s Screen Ratio</source>
        <translation>テレビの画面比率</translation>
    </message>
    <message>
        <source>Please select a destination folder</source>
        <translation>保存先のフォルダーを選択してください</translation>
    </message>
</context>
<context>
    <name>pictavo::SettingsOptionPage</name>
    <message>
        <source>Loop audio</source>
        <translation>音楽をループ再生</translation>
    </message>
    <message>
        <source>Random Transition Effect</source>
        <translation>ランダムなトランジション</translation>
    </message>
    <message>
        <source>Random Image Effect</source>
        <translation>ランダムな画像エフェクト</translation>
    </message>
    <message>
        <source>Blurred Photo Background</source>
        <translation>写真のぼかし背景</translation>
    </message>
    <message>
        <source>Fills the bars beside portrait photos with a blurred copy of the photo</source>
        <translation>縦長の写真の左右の余白を、その写真をぼかした画像で埋めます</translation>
    </message>
    <message>
        <source>Fade Out Music at the End</source>
        <translation>最後に音楽をフェードアウト</translation>
    </message>
    <message>
        <source>Fades the music out over the last 3 seconds of each video</source>
        <translation>各ビデオの最後の 3 秒間で音楽をフェードアウトします</translation>
    </message>
    <message>
        <source>Photo Duration:</source>
        <translation>写真の表示時間:</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Transition Duration:</source>
        <translation>トランジション時間:</translation>
    </message>
</context>
<context>
    <name>pictavo::StepTabBar</name>
    <message>
        <source>Organize Photo</source>
        <translation>写真の整理</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>エフェクト</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>音楽</translation>
    </message>
    <message>
        <source>Produce</source>
        <translation>作成</translation>
    </message>
</context>
<context>
    <name>pictavo::TipOfTheDayDialog</name>
    <message>
        <source>Tip of the Day</source>
        <translation>今日のヒント</translation>
    </message>
    <message>
        <source>&amp;Show tips at startup</source>
        <translation>起動時にヒントを表示(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>次のヒント(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>The tips file is missing from the program folder</source>
        <translation>プログラムフォルダーにヒントのファイルがありません</translation>
    </message>
    <message>
        <source>Trouble reading the tips file</source>
        <translation>ヒントのファイルを読み込めません</translation>
    </message>
    <message>
        <source>The tips file holds no tips</source>
        <translation>ヒントのファイルにヒントがありません</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>ご存じですか？</translation>
    </message>
    <message>
        <source>Oops!</source>
        <translation>おっと！</translation>
    </message>
</context>
<context>
    <name>pictavo::TransitionParameterBox</name>
    <message>
        <source>Normal</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Fade to white</source>
        <translation>白を経由</translation>
    </message>
    <message>
        <source>Fade to black</source>
        <translation>黒を経由</translation>
    </message>
    <message>
        <source>Left to right</source>
        <translation>左から右</translation>
    </message>
    <message>
        <source>Right to left</source>
        <translation>右から左</translation>
    </message>
    <message>
        <source>Small to big</source>
        <translation>小から大</translation>
    </message>
    <message>
        <source>Big to small</source>
        <translation>大から小</translation>
    </message>
    <message>
        <source>1 Finger</source>
        <translation>針 1 本</translation>
    </message>
    <message>
        <source>2 Fingers</source>
        <translation>針 2 本</translation>
    </message>
    <message>
        <source>4 Fingers</source>
        <translation>針 4 本</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Bottom to top</source>
        <translation>下から上</translation>
    </message>
    <message>
        <source>Top to bottom</source>
        <translation>上から下</translation>
    </message>
    <message>
        <source>Open door</source>
        <translation>ドアを開く</translation>
    </message>
    <message>
        <source>Close door</source>
        <translation>ドアを閉じる</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>縦</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>横</translation>
    </message>
    <message>
        <source>Fly in</source>
        <translation>フライイン</translation>
    </message>
    <message>
        <source>Fly out</source>
        <translation>フライアウト</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>時計回り</translation>
    </message>
    <message>
        <source>Anticlockwise</source>
        <translation>反時計回り</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>ズームイン</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>ズームアウト</translation>
    </message>
</context>
<context>
    <name>pictavo::TransitionSettingDialog</name>
    <message>
        <source>Random</source>
        <translation>ランダム</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>初期値</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Transition Alpha Setting</source>
        <translation>フェードの設定</translation>
    </message>
    <message>
        <source>Transition Accordion Setting</source>
        <translation>アコーディオンの設定</translation>
    </message>
    <message>
        <source>Transition Blinds Setting</source>
        <translation>ブラインドの設定</translation>
    </message>
    <message>
        <source>Transition Circle Setting</source>
        <translation>円形の設定</translation>
    </message>
    <message>
        <source>Transition Clock Setting</source>
        <translation>時計の設定</translation>
    </message>
    <message>
        <source>Transition Cube Fly Setting</source>
        <translation>キューブの設定</translation>
    </message>
    <message>
        <source>Transition Diagonal Sweep Setting</source>
        <translation>斜めスイープの設定</translation>
    </message>
    <message>
        <source>Transition Door Setting</source>
        <translation>ドアの設定</translation>
    </message>
    <message>
        <source>Transition Flip Setting</source>
        <translation>フリップの設定</translation>
    </message>
    <message>
        <source>Transition Fly Setting</source>
        <translation>フライの設定</translation>
    </message>
    <message>
        <source>Transition Polygon Setting</source>
        <translation>多角形の設定</translation>
    </message>
    <message>
        <source>Transition Rotate Setting</source>
        <translation>回転インの設定</translation>
    </message>
    <message>
        <source>Transition Shutter Setting</source>
        <translation>シャッターの設定</translation>
    </message>
    <message>
        <source>Transition Spin Setting</source>
        <translation>スピンの設定</translation>
    </message>
    <message>
        <source>Transition Sweep Setting</source>
        <translation>スイープの設定</translation>
    </message>
    <message>
        <source>Transition Twist Setting</source>
        <translation>ツイストの設定</translation>
    </message>
    <message>
        <source>Transition Wipe Setting</source>
        <translation>ワイプの設定</translation>
    </message>
    <message>
        <source>Transition Zoom Setting</source>
        <translation>ズームの設定</translation>
    </message>
</context>
</TS>
