<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>UpdateCheck</name>
    <message>
        <source>Fulgrane3D</source>
        <translation>Fulgrane3D</translation>
    </message>
    <message>
        <source>Fulgrane3D&#x3000;アップデート確認</source>
        <translation>Fulgrane3D Update</translation>
    </message>
    <message>
        <source>新しいバージョンが公開されています。アップデートしますか？</source>
        <translation>A new version is available. Do you want to update?</translation>
    </message>
    <message>
        <source>このバージョンでは通知しない</source>
        <translation>Don&apos;t remind me about this version</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>いいえ</source>
        <translation>No</translation>
    </message>
    <message>
        <source>ネットワークに接続できません。
</source>
        <translation>Cannot connect to the network.
</translation>
    </message>
    <message>
        <source>お使いのバージョンは最新版です。</source>
        <translation>You are using the latest version.</translation>
    </message>
    <message>
        <source>【現在】%1 ⇒ 【新】%2</source>
        <translation>Current: %1 ⇒ New: %2</translation>
    </message>
</context>
<context>
    <name>fg</name>
    <message>
        <source>前回、保存されていない変更があります。復元しますか？</source>
        <translation>Changes were not saved last time. Restore them?</translation>
    </message>
    <message>
        <source>プロジェクト: %1</source>
        <translation>Project: %1</translation>
    </message>
    <message>
        <source>復元</source>
        <translation>&amp;Restore</translation>
    </message>
    <message>
        <source>後で</source>
        <translation>&amp;Later</translation>
    </message>
    <message>
        <source>破棄</source>
        <translation>&amp;Discard</translation>
    </message>
</context>
<context>
    <name>fg::BackgroundColorDialog</name>
    <message>
        <source>背景色の設定</source>
        <translation>Background Color</translation>
    </message>
</context>
<context>
    <name>fg::CameraDialog</name>
    <message>
        <source>カメラの設定</source>
        <translation>Camera Settings</translation>
    </message>
    <message>
        <source>左右</source>
        <translation>Left/Right</translation>
    </message>
    <message>
        <source>上下</source>
        <translation>Up/Down</translation>
    </message>
    <message>
        <source>前後</source>
        <translation>Front/Back</translation>
    </message>
    <message>
        <source>カメラ位置（視点）</source>
        <translation>Camera Position (Eye)</translation>
    </message>
    <message>
        <source>注視点（焦点）</source>
        <translation>Target (Focus)</translation>
    </message>
    <message>
        <source>0.1単位</source>
        <translation>In steps of 0.1</translation>
    </message>
</context>
<context>
    <name>fg::ColorPage</name>
    <message>
        <source> 赤</source>
        <translation> Red</translation>
    </message>
    <message>
        <source>画像内の赤をどれくらい反映させるか。</source>
        <translation>How much of the image&apos;s red is kept.</translation>
    </message>
    <message>
        <source> 緑</source>
        <translation> Green</translation>
    </message>
    <message>
        <source>画像内の緑をどれくらい反映させるか。</source>
        <translation>How much of the image&apos;s green is kept.</translation>
    </message>
    <message>
        <source> 青</source>
        <translation> Blue</translation>
    </message>
    <message>
        <source>画像内の青をどれくらい反映させるか。</source>
        <translation>How much of the image&apos;s blue is kept.</translation>
    </message>
    <message>
        <source> 不透明度</source>
        <translation> Opacity</translation>
    </message>
    <message>
        <source>パーティクルの透明具合を設定。</source>
        <translation>How opaque the particle is.</translation>
    </message>
    <message>
        <source>親の影響を受ける</source>
        <translation>Fade with parent</translation>
    </message>
    <message>
        <source>親パーティクルが透明になると自分も透明になる。</source>
        <translation>The particle fades as its parent particle fades.</translation>
    </message>
    <message>
        <source> 誤差</source>
        <translation> Variation</translation>
    </message>
    <message>
        <source>明るさ</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>値を大きくすると、色相は変わらずに明るさがばらつくようになります。</source>
        <translation>Higher values vary the brightness while the hue stays the same.</translation>
    </message>
    <message>
        <source>％</source>
        <translation>%</translation>
    </message>
    <message>
        <source>透明度</source>
        <translation>Opacity</translation>
    </message>
    <message>
        <source>値を大きくすると、透明度がばらつくようになります。</source>
        <translation>Higher values vary the opacity.</translation>
    </message>
    <message>
        <source> グラデーション</source>
        <translation> Gradient</translation>
    </message>
    <message>
        <source>色...</source>
        <translation>Color…</translation>
    </message>
    <message>
        <source>選んだカラーストップの色と不透明度を設定。</source>
        <translation>Set the color and opacity of the selected color stop.</translation>
    </message>
</context>
<context>
    <name>fg::CoreText</name>
    <message>
        <source>無題.nbx</source>
        <translation>Untitled.nbx</translation>
    </message>
</context>
<context>
    <name>fg::CurveMenu</name>
    <message>
        <source>グラフ</source>
        <translation>Curve</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>一定</source>
        <translation>Constant</translation>
    </message>
    <message>
        <source>直線で上がる</source>
        <translation>Linear Up</translation>
    </message>
    <message>
        <source>直線で下がる</source>
        <translation>Linear Down</translation>
    </message>
    <message>
        <source>イーズイン</source>
        <translation>Ease In</translation>
    </message>
    <message>
        <source>イーズアウト</source>
        <translation>Ease Out</translation>
    </message>
    <message>
        <source>フェードイン・アウト</source>
        <translation>Fade In and Out</translation>
    </message>
    <message>
        <source>パルス</source>
        <translation>Pulse</translation>
    </message>
    <message>
        <source>プリセット</source>
        <translation>Presets</translation>
    </message>
</context>
<context>
    <name>fg::CurveNumbers</name>
    <message>
        <source>％</source>
        <translation>%</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>値</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>位置 %1％  値 %2％</source>
        <translation>Position %1%  Value %2%</translation>
    </message>
    <message>
        <source>%1％, %2％</source>
        <translation>%1%, %2%</translation>
    </message>
</context>
<context>
    <name>fg::CurveWindow</name>
    <message>
        <source>%d％</source>
        <translation>%d%%</translation>
    </message>
    <message>
        <source>グリッドを表示</source>
        <translation>Show Grid</translation>
    </message>
    <message>
        <source>他の色のグラフを表示</source>
        <translation>Show Other Color Curves</translation>
    </message>
</context>
<context>
    <name>fg::DialogParts</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>fg::DialogPrompts</name>
    <message>
        <source>データが変更されています。
保存しますか？</source>
        <translation>The effect has been changed.
Do you want to save it?</translation>
    </message>
    <message>
        <source>Fulgrane3Dデータ(*.nbx)</source>
        <translation>Fulgrane3D projects (*.nbx)</translation>
    </message>
    <message>
        <source>保存されていない変更を捨てて、最後に保存した状態に戻しますか？
%1</source>
        <translation>Discard the unsaved changes and go back to the state last saved?
%1</translation>
    </message>
    <message>
        <source>「%1」は1個のノードで使われています。
削除しますか？</source>
        <translation>&quot;%1&quot; is used by 1 node.
Delete it?</translation>
    </message>
    <message>
        <source>「%1」は%2個のノードで使われています。
削除しますか？</source>
        <translation>&quot;%1&quot; is used by %2 nodes.
Delete it?</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>「%1」の元のファイルが変更されています。
読み込み直しますか？</source>
        <translation>The source file of &quot;%1&quot; has changed.
Read it again?</translation>
    </message>
</context>
<context>
    <name>fg::DirectionPicker</name>
    <message>
        <source>%d°</source>
        <translation>%d°</translation>
    </message>
    <message>
        <source>移動方向</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>【上】から見た図</source>
        <translation>Top view</translation>
    </message>
    <message>
        <source>【横】から見た図</source>
        <translation>Side view</translation>
    </message>
</context>
<context>
    <name>fg::DirectionView</name>
    <message>
        <source>上</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>奥</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>手前</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>左</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>右</source>
        <translation>Right</translation>
    </message>
</context>
<context>
    <name>fg::Editor</name>
    <message>
        <source>「%1」は読み込めませんでした。</source>
        <translation>&quot;%1&quot; could not be read.</translation>
    </message>
    <message>
        <source>この機能は３Ｄモデルに対して使うことはできません。</source>
        <translation>This function cannot be used on 3D models.</translation>
    </message>
    <message>
        <source>クリップボードのノードを読み込めませんでした。</source>
        <translation>The nodes on the clipboard could not be read.</translation>
    </message>
    <message>
        <source>「%1」という名前は使えません。</source>
        <translation>The name &quot;%1&quot; cannot be used.</translation>
    </message>
    <message>
        <source>「%1」という名前の素材はすでにあります。</source>
        <translation>A material named &quot;%1&quot; already exists.</translation>
    </message>
    <message>
        <source>「%1」は３Ｄモデルです。３Ｄモデルのファイルで置き換えてください。</source>
        <translation>&quot;%1&quot; is a 3D model. Replace it with a 3D model file.</translation>
    </message>
    <message>
        <source>「%1」は画像です。画像ファイルで置き換えてください。</source>
        <translation>&quot;%1&quot; is an image. Replace it with an image file.</translation>
    </message>
</context>
<context>
    <name>fg::EditorMain</name>
    <message>
        <source>ウィンドウと表示の設定を保存できませんでした。
%1</source>
        <translation>The window and display settings could not be saved.
%1</translation>
    </message>
    <message>
        <source>Fulgrane3Dを起動し直せませんでした。もう一度起動してください。</source>
        <translation>Fulgrane3D could not be restarted. Please start it again.</translation>
    </message>
    <message>
        <source>%1 を開く Fulgrane3D を起動できませんでした。</source>
        <translation>Fulgrane3D could not be started to open %1.</translation>
    </message>
    <message>
        <source>変更の自動保存に失敗しました。
%1
保存するまで、変更は失われるおそれがあります。</source>
        <translation>Your changes could not be saved automatically.
%1
Until you save, changes could be lost.</translation>
    </message>
</context>
<context>
    <name>fg::EmitterPage</name>
    <message>
        <source>形状</source>
        <translation>Shape</translation>
    </message>
    <message>
        <source>円（垂直）</source>
        <translation>Circle (vertical)</translation>
    </message>
    <message>
        <source>円（水平）</source>
        <translation>Circle (horizontal)</translation>
    </message>
    <message>
        <source>球</source>
        <translation>Sphere</translation>
    </message>
    <message>
        <source>半球</source>
        <translation>Hemisphere</translation>
    </message>
    <message>
        <source>円柱</source>
        <translation>Cylinder</translation>
    </message>
    <message>
        <source>直方体</source>
        <translation>Box</translation>
    </message>
    <message>
        <source>発生する範囲の形状。</source>
        <translation>The shape of the area particles spawn in.</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Center</translation>
    </message>
    <message>
        <source>発生する範囲の中心位置（左右）。</source>
        <translation>Center of the spawn area (left/right).</translation>
    </message>
    <message>
        <source>発生する範囲の中心位置（上下）。</source>
        <translation>Center of the spawn area (up/down).</translation>
    </message>
    <message>
        <source>発生する範囲の中心位置（前後）。</source>
        <translation>Center of the spawn area (front/back).</translation>
    </message>
    <message>
        <source>サイズ</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>発生する範囲の幅。</source>
        <translation>Width of the spawn area.</translation>
    </message>
    <message>
        <source>発生する範囲の高さ。</source>
        <translation>Height of the spawn area.</translation>
    </message>
    <message>
        <source>発生する範囲の奥行き。</source>
        <translation>Depth of the spawn area.</translation>
    </message>
    <message>
        <source>範囲</source>
        <translation>Spawn in</translation>
    </message>
    <message>
        <source>内部</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>表面</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>任意</source>
        <translation>Shell</translation>
    </message>
    <message>
        <source>指定した範囲の内部のどこからでも発生する。</source>
        <translation>Spawns anywhere inside the area.</translation>
    </message>
    <message>
        <source>指定した範囲の外側から発生する。</source>
        <translation>Spawns on the surface of the area.</translation>
    </message>
    <message>
        <source>指定した範囲内の外側から指定した範囲内で発生するか。</source>
        <translation>Spawns in a shell reaching inwards from the surface.</translation>
    </message>
    <message>
        <source>外側から何％の範囲で発生させるか。100％だと「内部」を選んだときと同じ。</source>
        <translation>How far the shell reaches in from the surface, in percent. 100% is the same as &quot;Volume&quot;.</translation>
    </message>
    <message>
        <source>％</source>
        <translation>%</translation>
    </message>
    <message>
        <source>向き固定</source>
        <translation>Fixed rotation</translation>
    </message>
    <message>
        <source>親パーティクルが回転しても、発生する範囲は影響受けなくなる。</source>
        <translation>The spawn area ignores the parent particle&apos;s rotation.</translation>
    </message>
    <message>
        <source>サイズ固定</source>
        <translation>Fixed size</translation>
    </message>
    <message>
        <source>親パーティクルのサイズが変わっても、発生する範囲は影響受けなくなる。</source>
        <translation>The spawn area ignores the parent particle&apos;s size.</translation>
    </message>
    <message>
        <source>等間隔</source>
        <translation>Even spacing</translation>
    </message>
    <message>
        <source>パーティクルを等間隔で発生させる。形状が「円（垂直）」「円（水平）」のときのみ選択可。</source>
        <translation>Spawns particles evenly spaced. Only for the shapes &quot;Circle (vertical)&quot; and &quot;Circle (horizontal)&quot;.</translation>
    </message>
</context>
<context>
    <name>fg::ExportAdvancedGroup</name>
    <message>
        <source>詳細設定（ゲームエンジン・Web向け）</source>
        <translation>Advanced (game engines and the web)</translation>
    </message>
    <message>
        <source>シート情報ファイル（JSON）を書き出す</source>
        <translation>Write sheet data (JSON)</translation>
    </message>
    <message>
        <source>余白に端のピクセルを伸ばす</source>
        <translation>Extrude edge pixels into the padding</translation>
    </message>
    <message>
        <source>シートの大きさを2のべき乗にする</source>
        <translation>Power-of-two sheet size</translation>
    </message>
    <message>
        <source>継ぎ目なくループさせる</source>
        <translation>Seamless loop</translation>
    </message>
    <message>
        <source>ロスレス</source>
        <translation>Lossless</translation>
    </message>
    <message>
        <source>余白</source>
        <translation>Padding</translation>
    </message>
    <message>
        <source>ピクセル</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>アニメーション（GIF/WebP/APNG/MP4/WebM）で保存</source>
        <translation>Save as animation (GIF/WebP/APNG/MP4/WebM)</translation>
    </message>
    <message>
        <source>WebP: 「ロスレス」は劣化なし、0～100は非可逆圧縮の画質。
MP4/WebM: 0～100の画質。「ロスレス」のときは見た目に劣化のない既定値（68）。
APNGは常に劣化なし。</source>
        <translation>WebP: &quot;Lossless&quot; keeps every pixel; 0–100 is the quality of lossy compression.
MP4/WebM: quality 0–100; with &quot;Lossless&quot;, the visually lossless default (68).
APNG is always lossless.</translation>
    </message>
    <message>
        <source>画質（WebP/MP4/WebM）</source>
        <translation>Quality (WebP/MP4/WebM)</translation>
    </message>
</context>
<context>
    <name>fg::ExportDialog</name>
    <message>
        <source>書き出し</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>並べて保存</source>
        <translation>Sprite sheet</translation>
    </message>
    <message>
        <source>複数ファイル</source>
        <translation>Separate files</translation>
    </message>
    <message>
        <source>背景を透明にする</source>
        <translation>Transparent background</translation>
    </message>
    <message>
        <source>書き出しフレーム</source>
        <translation>Frames</translation>
    </message>
    <message>
        <source>～</source>
        <translation>to</translation>
    </message>
    <message>
        <source>フレーム目</source>
        <translation>(frame numbers)</translation>
    </message>
    <message>
        <source>フレーム毎</source>
        <translation>frame step</translation>
    </message>
    <message>
        <source>配置 </source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>横</source>
        <translation>Per row</translation>
    </message>
    <message>
        <source>フレーム</source>
        <translation>frames</translation>
    </message>
    <message>
        <source>１フレームの解像度</source>
        <translation>Frame Size</translation>
    </message>
    <message>
        <source>幅</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>高さ</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>オプション</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>滑らかさ</source>
        <translation>Smoothing</translation>
    </message>
    <message>
        <source>プレビュー</source>
        <translation>Preview</translation>
    </message>
</context>
<context>
    <name>fg::ExportRunner</name>
    <message>
        <source>書き出し中</source>
        <translation>Exporting</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>書き出し</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>無題</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>詳細設定を保存できませんでした。
%1</source>
        <translation>The advanced settings could not be saved.
%1</translation>
    </message>
</context>
<context>
    <name>fg::GradientStrip</name>
    <message>
        <source>カラーストップの色</source>
        <translation>Color Stop</translation>
    </message>
    <message>
        <source>寿命中の色と不透明度。クリックで追加、ドラッグ・←→で移動、ダブルクリックで色を選択、Deleteで削除。</source>
        <translation>Color and opacity over life. Click: add stop, drag/←→: move, double-click: color, Del: remove.</translation>
    </message>
    <message>
        <source>パーティクルのサイズの変化（左が発生時、右が消滅時）。</source>
        <translation>The particle&apos;s size over its life (left: birth, right: death).</translation>
    </message>
    <message>
        <source>位置 %1&#x3000;赤 %2&#x3000;緑 %3&#x3000;青 %4&#x3000;不透明度 %5</source>
        <translation>Position %1  Red %2  Green %3  Blue %4  Opacity %5</translation>
    </message>
    <message>
        <source>グラデーション</source>
        <translation>Gradient</translation>
    </message>
    <message>
        <source>色...</source>
        <translation>Color…</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>グラデーションをコピー</source>
        <translation>Copy Gradient</translation>
    </message>
    <message>
        <source>グラデーションを貼り付け</source>
        <translation>Paste Gradient</translation>
    </message>
</context>
<context>
    <name>fg::Graph</name>
    <message>
        <source>サイズ【幅】</source>
        <translation>Size (Width)</translation>
    </message>
    <message>
        <source>サイズ【高さ】</source>
        <translation>Size (Height)</translation>
    </message>
    <message>
        <source>サイズ【奥行き】</source>
        <translation>Size (Depth)</translation>
    </message>
    <message>
        <source>自転角度</source>
        <translation>Spin Angle</translation>
    </message>
    <message>
        <source>公転角度</source>
        <translation>Orbit Angle</translation>
    </message>
    <message>
        <source>カラー【赤】</source>
        <translation>Color (Red)</translation>
    </message>
    <message>
        <source>カラー【緑】</source>
        <translation>Color (Green)</translation>
    </message>
    <message>
        <source>カラー【青】</source>
        <translation>Color (Blue)</translation>
    </message>
    <message>
        <source>カラー【不透明度】</source>
        <translation>Color (Opacity)</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>サイズ【全体】</source>
        <translation>Size (Overall)</translation>
    </message>
</context>
<context>
    <name>fg::HelpPage</name>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>ヘルプページが見つかりません。
%1</source>
        <translation>The help page is missing.
%1</translation>
    </message>
    <message>
        <source>ヘルプページを開けませんでした。ブラウザで次の場所を開いてください。
%1</source>
        <translation>The help page could not be opened. Open this location in a web browser:
%1</translation>
    </message>
</context>
<context>
    <name>fg::HistoryLabels</name>
    <message>
        <source>発生源の形状</source>
        <translation>Emitter shape</translation>
    </message>
    <message>
        <source>発生源の位置（X)</source>
        <translation>Emitter position (X)</translation>
    </message>
    <message>
        <source>発生源の位置（Y)</source>
        <translation>Emitter position (Y)</translation>
    </message>
    <message>
        <source>発生源の位置（Z)</source>
        <translation>Emitter position (Z)</translation>
    </message>
    <message>
        <source>発生源の幅</source>
        <translation>Emitter width</translation>
    </message>
    <message>
        <source>発生源の高さ</source>
        <translation>Emitter height</translation>
    </message>
    <message>
        <source>発生源の奥行き</source>
        <translation>Emitter depth</translation>
    </message>
    <message>
        <source>発生源の範囲（種類）</source>
        <translation>Emitter area (type)</translation>
    </message>
    <message>
        <source>発生源の範囲（％）</source>
        <translation>Emitter area (%)</translation>
    </message>
    <message>
        <source>発生源の向き固定</source>
        <translation>Emitter fixed rotation</translation>
    </message>
    <message>
        <source>等間隔に発生</source>
        <translation>Even spacing</translation>
    </message>
    <message>
        <source>寿命</source>
        <translation>Lifetime</translation>
    </message>
    <message>
        <source>寿命の誤差</source>
        <translation>Lifetime variation</translation>
    </message>
    <message>
        <source>消滅フレーム</source>
        <translation>Kill frame</translation>
    </message>
    <message>
        <source>消滅フレーム誤差</source>
        <translation>Kill frame variation</translation>
    </message>
    <message>
        <source>着地で消滅するか</source>
        <translation>Die on landing</translation>
    </message>
    <message>
        <source>消滅フレームの設定</source>
        <translation>Kill at a frame</translation>
    </message>
    <message>
        <source>移動方向（上から見た図）</source>
        <translation>Direction (top view)</translation>
    </message>
    <message>
        <source>移動方向（横から見た図）</source>
        <translation>Direction (side view)</translation>
    </message>
    <message>
        <source>移動速度</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>速度誤差</source>
        <translation>Speed variation</translation>
    </message>
    <message>
        <source>一方向移動</source>
        <translation>One direction</translation>
    </message>
    <message>
        <source>移動方向誤差</source>
        <translation>Direction variation</translation>
    </message>
    <message>
        <source>親に追従</source>
        <translation>Follow parent</translation>
    </message>
    <message>
        <source>重力</source>
        <translation>Gravity</translation>
    </message>
    <message>
        <source>吸引場所X</source>
        <translation>Attractor X</translation>
    </message>
    <message>
        <source>吸引場所Y</source>
        <translation>Attractor Y</translation>
    </message>
    <message>
        <source>吸引場所Z</source>
        <translation>Attractor Z</translation>
    </message>
    <message>
        <source>吸引力</source>
        <translation>Attractor strength</translation>
    </message>
    <message>
        <source>回転軸（自転）</source>
        <translation>Spin axis</translation>
    </message>
    <message>
        <source>回転角度（自転）</source>
        <translation>Spin angle</translation>
    </message>
    <message>
        <source>回転角度誤差（自転）</source>
        <translation>Spin angle variation</translation>
    </message>
    <message>
        <source>回転方向（自転）</source>
        <translation>Spin direction</translation>
    </message>
    <message>
        <source>親に合わせて自転</source>
        <translation>Spin with parent</translation>
    </message>
    <message>
        <source>回転軸（公転）</source>
        <translation>Orbit axis</translation>
    </message>
    <message>
        <source>回転角度（公転）</source>
        <translation>Orbit angle</translation>
    </message>
    <message>
        <source>回転角度誤差（公転）</source>
        <translation>Orbit angle variation</translation>
    </message>
    <message>
        <source>回転方向（公転）</source>
        <translation>Orbit direction</translation>
    </message>
    <message>
        <source>パーティクルの形状</source>
        <translation>Particle shape</translation>
    </message>
    <message>
        <source>パーティクルの向き</source>
        <translation>Particle facing</translation>
    </message>
    <message>
        <source>進行方向を向くか</source>
        <translation>Face travel direction</translation>
    </message>
    <message>
        <source>地下非表示フラグ</source>
        <translation>Hide below ground</translation>
    </message>
    <message>
        <source>サイズ</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>サイズ誤差</source>
        <translation>Size variation</translation>
    </message>
    <message>
        <source>親の透明度影響</source>
        <translation>Fade with parent</translation>
    </message>
    <message>
        <source>透明度誤差</source>
        <translation>Opacity variation</translation>
    </message>
    <message>
        <source>明るさ誤差</source>
        <translation>Brightness variation</translation>
    </message>
    <message>
        <source>テクスチャ</source>
        <translation>Texture</translation>
    </message>
    <message>
        <source>テクスチャアニメ</source>
        <translation>Texture animation</translation>
    </message>
    <message>
        <source>テクスチャの横の並び</source>
        <translation>Texture cells across</translation>
    </message>
    <message>
        <source>テクスチャの縦の並び</source>
        <translation>Texture cells down</translation>
    </message>
    <message>
        <source>テクスチャアニメ速度</source>
        <translation>Texture animation speed</translation>
    </message>
    <message>
        <source>テクスチャアニメのループ</source>
        <translation>Texture animation loop</translation>
    </message>
    <message>
        <source>パーティクル発生期間</source>
        <translation>Spawn timing</translation>
    </message>
    <message>
        <source>発生開始フレーム</source>
        <translation>Spawn start frame</translation>
    </message>
    <message>
        <source>発生終了フレーム</source>
        <translation>Spawn end frame</translation>
    </message>
    <message>
        <source>発生頻度</source>
        <translation>Spawn interval</translation>
    </message>
    <message>
        <source>発生頻度誤差</source>
        <translation>Spawn interval variation</translation>
    </message>
    <message>
        <source>発生個数</source>
        <translation>Spawn count</translation>
    </message>
    <message>
        <source>発生個数誤差</source>
        <translation>Spawn count variation</translation>
    </message>
</context>
<context>
    <name>fg::HistoryWindow</name>
    <message>
        <source>履歴リスト</source>
        <translation>History List</translation>
    </message>
</context>
<context>
    <name>fg::KillPage</name>
    <message>
        <source>寿命</source>
        <translation>Lifetime</translation>
    </message>
    <message>
        <source>パーティクルが発生してから消えるまでのフレーム数。</source>
        <translation>Frames from spawn until the particle dies.</translation>
    </message>
    <message>
        <source>フレーム</source>
        <translation>frames</translation>
    </message>
    <message>
        <source>（誤差</source>
        <translation>(±</translation>
    </message>
    <message>
        <source>パーティクルの寿命のばらつき。</source>
        <translation>Random variation of the lifetime.</translation>
    </message>
    <message>
        <source>％）</source>
        <translation>%)</translation>
    </message>
    <message>
        <source>絶対フレーム数</source>
        <translation>At effect frame</translation>
    </message>
    <message>
        <source>指定したフレームになるとパーティクルを消す。</source>
        <translation>Kills the particles when the effect reaches the given frame.</translation>
    </message>
    <message>
        <source>パーティクルを消滅させるフレーム。</source>
        <translation>The frame at which the particles die.</translation>
    </message>
    <message>
        <source>パーティクルを消滅させるフレームのばらつき。</source>
        <translation>Random variation of that frame.</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>着地で消滅</source>
        <translation>Die on landing</translation>
    </message>
    <message>
        <source>下方向に移動している時に高さ0になると消滅。</source>
        <translation>The particle dies when it reaches height 0 while moving down.</translation>
    </message>
</context>
<context>
    <name>fg::LanguageMenu</name>
    <message>
        <source>言語 / Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>設定を保存できませんでした。</source>
        <translation>The setting could not be saved.</translation>
    </message>
    <message>
        <source>次回の起動から、選んだ言語で表示されます。</source>
        <translation>Fulgrane3D uses the chosen language from its next start.</translation>
    </message>
</context>
<context>
    <name>fg::MainWindow</name>
    <message>
        <source>新規作成(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>新しくエフェクトを作成する。</source>
        <translation>Create a new effect.</translation>
    </message>
    <message>
        <source>開く(&amp;O)</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>エフェクトを開く。</source>
        <translation>Open an effect.</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>上書き保存する。</source>
        <translation>Save the effect.</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)</source>
        <translation>Save &amp;As…</translation>
    </message>
    <message>
        <source>書き出し(&amp;W)</source>
        <translation>&amp;Export…</translation>
    </message>
    <message>
        <source>画像ファイルに書き出し。</source>
        <translation>Export the effect to image files.</translation>
    </message>
    <message>
        <source>終了(&amp;E)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>元に戻す。</source>
        <translation>Undo the last change.</translation>
    </message>
    <message>
        <source>やりなおし(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>やりなおし。</source>
        <translation>Redo the change.</translation>
    </message>
    <message>
        <source>リメイク(&amp;M)</source>
        <translation>Re&amp;make</translation>
    </message>
    <message>
        <source>設定をそのままにエフェクトを作り直す。</source>
        <translation>Remake the effect with the same settings.</translation>
    </message>
    <message>
        <source>プロジェクトの設定(&amp;P)</source>
        <translation>&amp;Project Settings…</translation>
    </message>
    <message>
        <source>「プロジェクトの設定」ダイアログを表示。</source>
        <translation>Open the Project Settings dialog.</translation>
    </message>
    <message>
        <source>背景色の設定(&amp;B)</source>
        <translation>&amp;Background Color…</translation>
    </message>
    <message>
        <source>「背景色の設定」ダイアログを表示。</source>
        <translation>Open the Background Color dialog.</translation>
    </message>
    <message>
        <source>カメラの設定(&amp;C)</source>
        <translation>&amp;Camera Settings…</translation>
    </message>
    <message>
        <source>「カメラの設定」ダイアログを表示。</source>
        <translation>Open the Camera Settings dialog.</translation>
    </message>
    <message>
        <source>現在のフレーム(&amp;F)</source>
        <translation>Current &amp;Frame</translation>
    </message>
    <message>
        <source>現在のパーティクル数(&amp;P)</source>
        <translation>&amp;Particle Count</translation>
    </message>
    <message>
        <source>現在のFPS(&amp;S)</source>
        <translation>FP&amp;S</translation>
    </message>
    <message>
        <source>履歴リスト(&amp;H)</source>
        <translation>&amp;History List</translation>
    </message>
    <message>
        <source>「履歴リスト」を表示。</source>
        <translation>Show the History List.</translation>
    </message>
    <message>
        <source>視点リスト(&amp;V)</source>
        <translation>&amp;Viewpoint List</translation>
    </message>
    <message>
        <source>「視点リスト」を表示。</source>
        <translation>Show the Viewpoint List.</translation>
    </message>
    <message>
        <source>オンライン情報交換(&amp;H)</source>
        <translation>Online &amp;Help</translation>
    </message>
    <message>
        <source>オンラインヘルプ</source>
        <translation>Online help</translation>
    </message>
    <message>
        <source>アップデート確認(&amp;U)</source>
        <translation>Check for &amp;Updates…</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;V)</source>
        <translation>&amp;About Fulgrane3D</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>元に戻す: %1</source>
        <translation>Undo: %1</translation>
    </message>
    <message>
        <source>やり直し: %1</source>
        <translation>Redo: %1</translation>
    </message>
    <message>
        <source>再生/一時停止(&amp;P)</source>
        <translation>&amp;Play/Pause</translation>
    </message>
    <message>
        <source>再生と一時停止を切り替える。</source>
        <translation>Play or pause the preview.</translation>
    </message>
    <message>
        <source>1フレーム進む(&amp;N)</source>
        <translation>Step &amp;Forward</translation>
    </message>
    <message>
        <source>1フレーム進める。</source>
        <translation>Step one frame forward.</translation>
    </message>
    <message>
        <source>1フレーム戻る(&amp;B)</source>
        <translation>Step &amp;Back</translation>
    </message>
    <message>
        <source>1フレーム戻す。</source>
        <translation>Step one frame back.</translation>
    </message>
    <message>
        <source>最初のフレームへ(&amp;H)</source>
        <translation>Fi&amp;rst Frame</translation>
    </message>
    <message>
        <source>最初のフレームへ移動する。</source>
        <translation>Go to the first frame.</translation>
    </message>
    <message>
        <source>最後のフレームへ(&amp;E)</source>
        <translation>&amp;Last Frame</translation>
    </message>
    <message>
        <source>書き出し範囲の最後のフレームへ移動する。</source>
        <translation>Go to the last frame of the export range.</translation>
    </message>
    <message>
        <source>再生速度 ¼×(&amp;1)</source>
        <translation>&amp;Quarter Speed (¼×)</translation>
    </message>
    <message>
        <source>¼倍の速さで再生する。</source>
        <translation>Play at a quarter of the speed.</translation>
    </message>
    <message>
        <source>再生速度 ½×(&amp;2)</source>
        <translation>&amp;Half Speed (½×)</translation>
    </message>
    <message>
        <source>½倍の速さで再生する。</source>
        <translation>Play at half the speed.</translation>
    </message>
    <message>
        <source>再生速度 1×(&amp;3)</source>
        <translation>&amp;Normal Speed (1×)</translation>
    </message>
    <message>
        <source>本来の速さで再生する。</source>
        <translation>Play at the effect&apos;s own speed.</translation>
    </message>
    <message>
        <source>再生速度 2×(&amp;4)</source>
        <translation>&amp;Double Speed (2×)</translation>
    </message>
    <message>
        <source>2倍の速さで再生する。</source>
        <translation>Play at twice the speed.</translation>
    </message>
    <message>
        <source>ループ再生(&amp;L)</source>
        <translation>L&amp;oop Preview</translation>
    </message>
    <message>
        <source>書き出しのループと同じく、パーティクルを次の周回へ持ち越して再生する。</source>
        <translation>Play the effect as a looped export does, the particles carried on into the next pass.</translation>
    </message>
    <message>
        <source>タイムライン(&amp;T)</source>
        <translation>&amp;Timeline</translation>
    </message>
    <message>
        <source>ビューの下にタイムラインを表示する。</source>
        <translation>Show the timeline under the view.</translation>
    </message>
    <message>
        <source>グリッド(&amp;G)</source>
        <translation>&amp;Grid</translation>
    </message>
    <message>
        <source>地面のグリッドを表示する。</source>
        <translation>Show the ground grid.</translation>
    </message>
    <message>
        <source>軸(&amp;X)</source>
        <translation>A&amp;xis</translation>
    </message>
    <message>
        <source>地面の軸を表示する。</source>
        <translation>Show the axis lines on the ground.</translation>
    </message>
    <message>
        <source>エフェクト全体を表示(&amp;E)</source>
        <translation>Frame the &amp;Effect</translation>
    </message>
    <message>
        <source>エフェクト全体が収まるようにカメラを合わせる。</source>
        <translation>Fit the camera to the whole effect.</translation>
    </message>
    <message>
        <source>カメラをリセット(&amp;R)</source>
        <translation>&amp;Reset Camera</translation>
    </message>
    <message>
        <source>カメラをプロジェクトの既定に戻す。</source>
        <translation>Put the camera back to the project&apos;s default.</translation>
    </message>
    <message>
        <source>再生(&amp;A)</source>
        <translation>Pl&amp;ayback</translation>
    </message>
    <message>
        <source>%1(%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>元に戻す（保存時の状態）(&amp;R)</source>
        <translation>&amp;Revert to Saved</translation>
    </message>
    <message>
        <source>保存されていない変更を捨て、最後に保存した状態に戻す。</source>
        <translation>Discard the unsaved changes and go back to the state last saved.</translation>
    </message>
</context>
<context>
    <name>fg::MaterialPanel</name>
    <message>
        <source>マテリアルパネル</source>
        <translation>Materials</translation>
    </message>
    <message>
        <source>素材を追加する。</source>
        <translation>Add a material.</translation>
    </message>
    <message>
        <source>素材を削除する。</source>
        <translation>Delete the material.</translation>
    </message>
    <message>
        <source>素材をファイルに保存する。</source>
        <translation>Save the material to a file.</translation>
    </message>
    <message>
        <source>左右反転する。</source>
        <translation>Flip horizontally.</translation>
    </message>
    <message>
        <source>すべてのファイル(*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>3Dモデル(*.obj)</source>
        <translation>3D models (*.obj)</translation>
    </message>
    <message>
        <source>PNGファイル(*.png)</source>
        <translation>PNG files (*.png)</translation>
    </message>
    <message>
        <source>名前の変更</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>新しい名前：</source>
        <translation>New name:</translation>
    </message>
    <message>
        <source>画像ファイル(*.png *.bmp *.jpg *.jpeg)</source>
        <translation>Image files (*.png *.bmp *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>インポート...</source>
        <translation>Import...</translation>
    </message>
    <message>
        <source>置き換え...</source>
        <translation>Replace...</translation>
    </message>
    <message>
        <source>再読み込み</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>左右反転</source>
        <translation>Mirror</translation>
    </message>
    <message>
        <source>名前を付けて保存...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>fg::MovePage</name>
    <message>
        <source>方向</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>一方向</source>
        <translation>One direction</translation>
    </message>
    <message>
        <source>発射方向を指定する場合はチェック。</source>
        <translation>Check to emit particles in one direction.</translation>
    </message>
    <message>
        <source>パーティクルの発射する方向。</source>
        <translation>The direction the particles are emitted in.</translation>
    </message>
    <message>
        <source>(誤差</source>
        <translation>(±</translation>
    </message>
    <message>
        <source>パーティクルの発射する方向のばらつき。</source>
        <translation>Random variation of the direction.</translation>
    </message>
    <message>
        <source>度)</source>
        <translation>°)</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>パーティクルの最大移動速度。</source>
        <translation>The highest speed of the particles.</translation>
    </message>
    <message>
        <source>パーティクルの移動速度の変化。</source>
        <translation>How the speed changes over the lifetime.</translation>
    </message>
    <message>
        <source>パーティクルの移動速度のばらつき。</source>
        <translation>Random variation of the speed.</translation>
    </message>
    <message>
        <source>％)</source>
        <translation>%)</translation>
    </message>
    <message>
        <source>吸引</source>
        <translation>Attractor</translation>
    </message>
    <message>
        <source>パーティクルが吸い込まれる位置（左右）。</source>
        <translation>Where the particles are pulled to (left/right).</translation>
    </message>
    <message>
        <source>パーティクルが吸い込まれる位置（上下）。</source>
        <translation>Where the particles are pulled to (up/down).</translation>
    </message>
    <message>
        <source>パーティクルが吸い込まれる位置（前後）。</source>
        <translation>Where the particles are pulled to (front/back).</translation>
    </message>
    <message>
        <source>パワー</source>
        <translation>Strength</translation>
    </message>
    <message>
        <source>パーティクルが吸い込まれる強さ。</source>
        <translation>How strongly the particles are pulled.</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>重力</source>
        <translation>Gravity</translation>
    </message>
    <message>
        <source>落下する強さ。</source>
        <translation>How strongly the particles fall.</translation>
    </message>
    <message>
        <source>親に追従</source>
        <translation>Follow parent</translation>
    </message>
    <message>
        <source>チェックを入れると親パーティクルについていく。</source>
        <translation>Check to make the particles move with their parent.</translation>
    </message>
</context>
<context>
    <name>fg::NodePanel</name>
    <message>
        <source>下にノードを追加する。</source>
        <translation>Add a node below.</translation>
    </message>
    <message>
        <source>子ノードを追加する。</source>
        <translation>Add a child node.</translation>
    </message>
    <message>
        <source>ノードを複製する。</source>
        <translation>Duplicate the node.</translation>
    </message>
    <message>
        <source>ノードを削除する。</source>
        <translation>Delete the node.</translation>
    </message>
    <message>
        <source>ノードを一つ下に移動。</source>
        <translation>Move the node down.</translation>
    </message>
    <message>
        <source>ノードを一つ上に移動。</source>
        <translation>Move the node up.</translation>
    </message>
    <message>
        <source>ノードを子ノードにする。</source>
        <translation>Make the node a child of the node above.</translation>
    </message>
    <message>
        <source>ノードを親ノードにする。</source>
        <translation>Move the node up one level.</translation>
    </message>
    <message>
        <source>ノードパネル</source>
        <translation>Nodes</translation>
    </message>
    <message>
        <source>子ノードを追加</source>
        <translation>Add Child Node</translation>
    </message>
    <message>
        <source>下にノードを追加</source>
        <translation>Add Node Below</translation>
    </message>
    <message>
        <source>複製</source>
        <translation>Duplicate</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>名前の変更</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>上へ</source>
        <translation>Move Up</translation>
    </message>
    <message>
        <source>下へ</source>
        <translation>Move Down</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
</context>
<context>
    <name>fg::PageSelector</name>
    <message>
        <source>発生源</source>
        <translation>Emitter</translation>
    </message>
    <message>
        <source>発生</source>
        <translation>Spawn</translation>
    </message>
    <message>
        <source>消滅</source>
        <translation>Lifetime</translation>
    </message>
    <message>
        <source>形状</source>
        <translation>Shape</translation>
    </message>
    <message>
        <source>画像</source>
        <translation>Texture</translation>
    </message>
    <message>
        <source>色</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>移動</source>
        <translation>Motion</translation>
    </message>
    <message>
        <source>回転</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>サイズ</source>
        <translation>Size</translation>
    </message>
</context>
<context>
    <name>fg::ProjectSettingsDialog</name>
    <message>
        <source>プロジェクトの設定</source>
        <translation>Project Settings</translation>
    </message>
    <message>
        <source>Zソート</source>
        <translation>Z-sort</translation>
    </message>
    <message>
        <source>レンダリング順逆転</source>
        <translation>Reverse draw order</translation>
    </message>
    <message>
        <source>書き出しサイズ</source>
        <translation>Export Size</translation>
    </message>
    <message>
        <source>幅</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>ピクセル</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>高さ</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>表示オプション</source>
        <translation>Display Options</translation>
    </message>
    <message>
        <source>フレーム数</source>
        <translation>Frame Count</translation>
    </message>
    <message>
        <source>フレーム</source>
        <translation>frames</translation>
    </message>
    <message>
        <source>プレビュー速度</source>
        <translation>Preview Speed</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
</context>
<context>
    <name>fg::RecentFilesMenu</name>
    <message>
        <source>最近使ったファイル(&amp;F)</source>
        <translation>Recent &amp;Files</translation>
    </message>
    <message>
        <source>最近使ったファイルの一覧を消去</source>
        <translation>Clear Recent Files List</translation>
    </message>
</context>
<context>
    <name>fg::RotatePage</name>
    <message>
        <source>通常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>逆回転</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>ランダム</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>自転</source>
        <translation>Spin</translation>
    </message>
    <message>
        <source>軸</source>
        <translation>Axis</translation>
    </message>
    <message>
        <source>Ｘ軸（横軸）</source>
        <translation>X axis (across)</translation>
    </message>
    <message>
        <source>Ｙ軸（縦軸）</source>
        <translation>Y axis (vertical)</translation>
    </message>
    <message>
        <source>Ｚ軸（前後軸）</source>
        <translation>Z axis (depth)</translation>
    </message>
    <message>
        <source>進行方向Ｘ軸</source>
        <translation>Travel X axis</translation>
    </message>
    <message>
        <source>進行方向Ｙ軸</source>
        <translation>Travel Y axis</translation>
    </message>
    <message>
        <source>進行方向Ｚ軸</source>
        <translation>Travel Z axis</translation>
    </message>
    <message>
        <source>親の向き</source>
        <translation>Parent&apos;s facing</translation>
    </message>
    <message>
        <source>親の進行方向</source>
        <translation>Parent&apos;s travel</translation>
    </message>
    <message>
        <source>自転の回転軸。</source>
        <translation>The axis the particle spins around.</translation>
    </message>
    <message>
        <source>自転の回転角度。</source>
        <translation>The spin angle.</translation>
    </message>
    <message>
        <source>自転の回転角度のばらつき。</source>
        <translation>Random variation of the spin angle.</translation>
    </message>
    <message>
        <source>自転の回転角度の変化。</source>
        <translation>How the spin angle changes over the lifetime.</translation>
    </message>
    <message>
        <source>回転方向</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>自転の回転方向。</source>
        <translation>The spin direction.</translation>
    </message>
    <message>
        <source>親に合わせる</source>
        <translation>Match parent</translation>
    </message>
    <message>
        <source>親と同じ回転をさせます。</source>
        <translation>Spins along with the parent.</translation>
    </message>
    <message>
        <source>公転</source>
        <translation>Orbit</translation>
    </message>
    <message>
        <source>公転の回転軸。</source>
        <translation>The axis the particle orbits around.</translation>
    </message>
    <message>
        <source>公転の回転角度。</source>
        <translation>The orbit angle.</translation>
    </message>
    <message>
        <source>公転の回転角度のばらつき。</source>
        <translation>Random variation of the orbit angle.</translation>
    </message>
    <message>
        <source>公転の回転角度の変化。</source>
        <translation>How the orbit angle changes over the lifetime.</translation>
    </message>
    <message>
        <source>向き</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>公転の回転方向。</source>
        <translation>The orbit direction.</translation>
    </message>
    <message>
        <source>角度</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>度</source>
        <translation>°</translation>
    </message>
    <message>
        <source>(誤差</source>
        <translation>(±</translation>
    </message>
    <message>
        <source>％)</source>
        <translation>%)</translation>
    </message>
</context>
<context>
    <name>fg::ShapePage</name>
    <message>
        <source>タイプ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>２Ｄ</source>
        <translation>Billboard</translation>
    </message>
    <message>
        <source>平面</source>
        <translation>Plane</translation>
    </message>
    <message>
        <source>半球</source>
        <translation>Hemisphere</translation>
    </message>
    <message>
        <source>円柱</source>
        <translation>Cylinder</translation>
    </message>
    <message>
        <source>軌跡</source>
        <translation>Trail</translation>
    </message>
    <message>
        <source>パーティクルの形を選択。</source>
        <translation>Choose the shape of the particles.</translation>
    </message>
    <message>
        <source>向き</source>
        <translation>Facing</translation>
    </message>
    <message>
        <source>前</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>後</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>右</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>左</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>ランダム</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>パーティクルの向きを選択。</source>
        <translation>Choose which way the particles face.</translation>
    </message>
    <message>
        <source>進行方向を向く</source>
        <translation>Face travel direction</translation>
    </message>
    <message>
        <source>チェックを入れるとパーティクルが常に進行方向を向く。</source>
        <translation>Check to keep the particles facing the way they move.</translation>
    </message>
    <message>
        <source>オプション</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>地下非表示</source>
        <translation>Hide below ground</translation>
    </message>
    <message>
        <source>地面の下（Y &lt; 0)は表示されなくなる。</source>
        <translation>Nothing below the ground (Y &lt; 0) is drawn.</translation>
    </message>
</context>
<context>
    <name>fg::SizePage</name>
    <message>
        <source>最大値</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>パーティクルのサイズ。</source>
        <translation>The size of the particles.</translation>
    </message>
    <message>
        <source>(誤差</source>
        <translation>(±</translation>
    </message>
    <message>
        <source>パーティクルのサイズのばらつき。</source>
        <translation>Random variation of the size.</translation>
    </message>
    <message>
        <source>％)</source>
        <translation>%)</translation>
    </message>
    <message>
        <source>パーティクルのサイズの変化。</source>
        <translation>How the size changes over the lifetime.</translation>
    </message>
    <message>
        <source> 幅</source>
        <translation> Width</translation>
    </message>
    <message>
        <source> 高さ</source>
        <translation> Height</translation>
    </message>
    <message>
        <source> 奥行き</source>
        <translation> Depth</translation>
    </message>
    <message>
        <source>底半径</source>
        <translation>Base radius</translation>
    </message>
    <message>
        <source>先半径</source>
        <translation>Top radius</translation>
    </message>
    <message>
        <source>長さ</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>円柱の底の半径の変化。</source>
        <translation>How the cylinder&apos;s base radius changes.</translation>
    </message>
    <message>
        <source>円柱の上面の半径の変化。</source>
        <translation>How the cylinder&apos;s top radius changes.</translation>
    </message>
    <message>
        <source>円柱の長さの変化。</source>
        <translation>How the cylinder&apos;s length changes.</translation>
    </message>
    <message>
        <source> 全体</source>
        <translation> Overall</translation>
    </message>
    <message>
        <source> 全体の変化</source>
        <translation> Overall size over life</translation>
    </message>
</context>
<context>
    <name>fg::TexturePage</name>
    <message>
        <source>テクスチャ</source>
        <translation>Texture</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>パーティクルに貼り付ける画像を選択。</source>
        <translation>Choose the image drawn on the particles.</translation>
    </message>
    <message>
        <source>ブレンド</source>
        <translation>Blend</translation>
    </message>
    <message>
        <source>通常合成</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>輝き合成</source>
        <translation>Additive</translation>
    </message>
    <message>
        <source>通常の半透明描画。</source>
        <translation>Ordinary alpha blending.</translation>
    </message>
    <message>
        <source>パーティクルの重なったところが光って見えるようになる。</source>
        <translation>Overlapping particles add up and glow.</translation>
    </message>
    <message>
        <source>ｱﾆﾒｰｼｮﾝさせる</source>
        <translation>Animate</translation>
    </message>
    <message>
        <source>テクスチャをアニメーションさせる場合はチェック。</source>
        <translation>Check to animate the texture.</translation>
    </message>
    <message>
        <source>コマの並び</source>
        <translation>Cells</translation>
    </message>
    <message>
        <source>テクスチャに横に何コマ画像がならんでいるか。</source>
        <translation>How many cells the texture has across.</translation>
    </message>
    <message>
        <source>テクスチャに縦に何コマ画像がならんでいるか。</source>
        <translation>How many cells the texture has down.</translation>
    </message>
    <message>
        <source>テクスチャアニメーションの速度。</source>
        <translation>The speed of the texture animation.</translation>
    </message>
    <message>
        <source>横</source>
        <translation>Across</translation>
    </message>
    <message>
        <source>コマ</source>
        <translation>cells</translation>
    </message>
    <message>
        <source>縦</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>繰り返し</source>
        <translation>Loop</translation>
    </message>
    <message>
        <source>アニメーションを繰り返すかどうか。</source>
        <translation>Whether the animation loops.</translation>
    </message>
</context>
<context>
    <name>fg::TimelineWidget</name>
    <message>
        <source>タイムライン</source>
        <translation>Timeline</translation>
    </message>
    <message>
        <source>フレーム %1</source>
        <translation>Frame %1</translation>
    </message>
    <message>
        <source>書き出し範囲 %1～%2、%3フレーム毎</source>
        <translation>Export range %1 to %2, every %3 frame(s)</translation>
    </message>
    <message>
        <source>クリックでそのフレームへ移動、ドラッグで前後に動かす。ホイールと ←/→ で１フレームずつ送る。</source>
        <translation>Click to go to a frame, drag to scrub. The wheel and ←/→ step one frame at a time.</translation>
    </message>
</context>
<context>
    <name>fg::TimingPage</name>
    <message>
        <source>期間</source>
        <translation>Timing</translation>
    </message>
    <message>
        <source>絶対フレーム数</source>
        <translation>Effect frames</translation>
    </message>
    <message>
        <source>親のフレーム数</source>
        <translation>Parent&apos;s frames</translation>
    </message>
    <message>
        <source>親の消滅時</source>
        <translation>When parent dies</translation>
    </message>
    <message>
        <source>発生するタイミングをエフェクト開始からのフレーム数で指定する。</source>
        <translation>The spawn period in frames from the start of the effect.</translation>
    </message>
    <message>
        <source>発生するタイミングを親パーティクルが発生してからのフレーム数で指定する。</source>
        <translation>The spawn period in frames from the spawn of the parent particle.</translation>
    </message>
    <message>
        <source>親パーティクルが消滅する時に、このパーティクルを発生させる。</source>
        <translation>Spawns these particles when the parent particle dies.</translation>
    </message>
    <message>
        <source>パーティクルが発生し始めるフレーム。</source>
        <translation>The frame spawning starts at.</translation>
    </message>
    <message>
        <source>パーティクルが発生し終えるフレーム。</source>
        <translation>The frame spawning ends at.</translation>
    </message>
    <message>
        <source>～</source>
        <translation>to</translation>
    </message>
    <message>
        <source>フレーム</source>
        <translation>frames</translation>
    </message>
    <message>
        <source>頻度</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>何フレームに１回の頻度でパーティクルを発生させるか。</source>
        <translation>Spawn once every this many frames.</translation>
    </message>
    <message>
        <source>ﾌﾚｰﾑに1回</source>
        <translation>frames</translation>
    </message>
    <message>
        <source>パーティクルの発生頻度のばらつき。</source>
        <translation>Random variation of the interval.</translation>
    </message>
    <message>
        <source>（誤差</source>
        <translation>(±</translation>
    </message>
    <message>
        <source>％）</source>
        <translation>%)</translation>
    </message>
    <message>
        <source>個数</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>１度に何個ずつパーティクルを発生させるか。</source>
        <translation>How many particles spawn at a time.</translation>
    </message>
    <message>
        <source>個ずつ</source>
        <translation>at a time</translation>
    </message>
    <message>
        <source>１度に発生するパーティクル個数のばらつき。</source>
        <translation>Random variation of the count.</translation>
    </message>
</context>
<context>
    <name>fg::TitlePicture</name>
    <message>
        <source>3D パーティクルエフェクトエディタ</source>
        <translation>3D particle effect editor</translation>
    </message>
</context>
<context>
    <name>fg::TrailSizePage</name>
    <message>
        <source>太さ</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>パーティクルのサイズの変化。</source>
        <translation>How the size changes over the lifetime.</translation>
    </message>
    <message>
        <source>太さタイプ</source>
        <translation>Width mode</translation>
    </message>
    <message>
        <source>固定</source>
        <translation>Constant</translation>
    </message>
    <message>
        <source>変化</source>
        <translation>Tapered</translation>
    </message>
    <message>
        <source>先頭から末尾までの太さを同じにする。</source>
        <translation>The same width from head to tail.</translation>
    </message>
    <message>
        <source>先頭の太さのみグラフで変化させる。</source>
        <translation>Only the head&apos;s width follows the curve.</translation>
    </message>
    <message>
        <source>軌跡の長さ</source>
        <translation>Trail length</translation>
    </message>
    <message>
        <source>軌跡の長さ。</source>
        <translation>The length of the trail.</translation>
    </message>
    <message>
        <source>フレーム</source>
        <translation>frames</translation>
    </message>
</context>
<context>
    <name>fg::VersionBox</name>
    <message>
        <source>Fulgrane3D バージョン情報</source>
        <translation>About Fulgrane3D</translation>
    </message>
    <message>
        <source>パーティクルエフェクトを作り、連番画像やシートに書き出すエディタです。</source>
        <translation>An editor for particle effects that exports them as image sequences and sprite sheets.</translation>
    </message>
</context>
<context>
    <name>fg::ViewListRows</name>
    <message>
        <source>×</source>
        <translation>×</translation>
    </message>
    <message>
        <source>＜追加＞</source>
        <translation>&lt;Add&gt;</translation>
    </message>
</context>
<context>
    <name>fg::ViewListWindow</name>
    <message>
        <source>視点リスト</source>
        <translation>Viewpoint List</translation>
    </message>
</context>
<context>
    <name>fg::ViewWidget</name>
    <message>
        <source>シミュレーション: %1 フレーム/秒</source>
        <translation>Simulation: %1 frames/s</translation>
    </message>
    <message>
        <source>パーティクル数が上限の%1個に達したため、これ以上は発生させていません。</source>
        <translation>The particle count reached its limit of %1: no more particles are spawned.</translation>
    </message>
    <message>
        <source>プレビューを描くOpenGLコンテキストを作成できませんでした。</source>
        <translation>Could not create the OpenGL context that draws the preview.</translation>
    </message>
    <message>
        <source>解像度 %1%</source>
        <translation>resolution %1%</translation>
    </message>
</context>
<context>
    <name>fg::cli</name>
    <message>
        <source>書き出し中</source>
        <translation>Exporting</translation>
    </message>
    <message>
        <source>２Ｄ</source>
        <translation>billboard</translation>
    </message>
    <message>
        <source>平面</source>
        <translation>plane</translation>
    </message>
    <message>
        <source>半球</source>
        <translation>hemisphere</translation>
    </message>
    <message>
        <source>円柱</source>
        <translation>cylinder</translation>
    </message>
    <message>
        <source>軌跡</source>
        <translation>trail</translation>
    </message>
    <message>
        <source>円（垂直）</source>
        <translation>circle (vertical)</translation>
    </message>
    <message>
        <source>円（水平）</source>
        <translation>circle (horizontal)</translation>
    </message>
    <message>
        <source>球</source>
        <translation>sphere</translation>
    </message>
    <message>
        <source>直方体</source>
        <translation>box</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>none</translation>
    </message>
</context>
<context>
    <name>fg::export_text</name>
    <message>
        <source>書き出し先のファイルは開いているプロジェクトのファイルです。別のファイル名を指定してください。
%1</source>
        <translation>The export would overwrite the open project&apos;s file. Choose another file name.
%1</translation>
    </message>
    <message>
        <source>書き出し用レンダーターゲット作成失敗
%1</source>
        <translation>Could not create the render target for the export.
%1</translation>
    </message>
    <message>
        <source>書き出し用レンダーターゲット（コピー用）作成失敗
%1</source>
        <translation>Could not create the copy render target for the export.
%1</translation>
    </message>
    <message>
        <source>書き出し用の画像を描画できませんでした。
%1</source>
        <translation>Could not draw the image for the export.
%1</translation>
    </message>
    <message>
        <source>１フレームの解像度×滑らかさ（%1×%2ピクセル）が、この環境で描画できる大きさ（%3×%4ピクセル）を超えています。</source>
        <translation>The frame size times the smoothing (%1×%2 pixels) is larger than this system can draw (%3×%4 pixels).</translation>
    </message>
    <message>
        <source>設定を修正してください。</source>
        <translation>Please correct the settings.</translation>
    </message>
    <message>
        <source>開始フレームが終了フレームより大きくなっています</source>
        <translation>The first frame comes after the last frame.</translation>
    </message>
    <message>
        <source>開始フレームが正しくありません</source>
        <translation>The first frame is not valid.</translation>
    </message>
    <message>
        <source>終了フレームが正しくありません</source>
        <translation>The last frame is not valid.</translation>
    </message>
    <message>
        <source>%1枚</source>
        <translation>%1 images</translation>
    </message>
    <message>
        <source>%1コマ&#x3000;%2×%3ピクセル</source>
        <translation>%1 frames, %2×%3 pixels</translation>
    </message>
    <message>
        <source>書き出し用の中間ファイルを保存できませんでした。
%1
%2</source>
        <translation>Could not save an intermediate file of the export.
%1
%2</translation>
    </message>
    <message>
        <source>画像ファイルを保存できませんでした。
%1
%2</source>
        <translation>Could not save the image file.
%1
%2</translation>
    </message>
    <message>
        <source>書き出し</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>PNG(*.png)</source>
        <translation>PNG (*.png)</translation>
    </message>
    <message>
        <source>BMP(*.bmp)</source>
        <translation>BMP (*.bmp)</translation>
    </message>
    <message>
        <source>JPEG(*.jpg)</source>
        <translation>JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>TIFF(*.tif)</source>
        <translation>TIFF (*.tif)</translation>
    </message>
    <message>
        <source>GIF(*.gif)</source>
        <translation>GIF (*.gif)</translation>
    </message>
    <message>
        <source>WebP(*.webp)</source>
        <translation>WebP (*.webp)</translation>
    </message>
    <message>
        <source>MP4(*.mp4)</source>
        <translation>MP4(*.mp4)</translation>
    </message>
    <message>
        <source>WebM(*.webm)</source>
        <translation>WebM(*.webm)</translation>
    </message>
    <message>
        <source>APNG(*.apng *.png)</source>
        <translation>APNG(*.apng *.png)</translation>
    </message>
    <message>
        <source>インストールされているFFmpegのライブラリに「%1」がありません。</source>
        <translation>The installed FFmpeg libraries have no &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>「%1」は%2×%3ピクセルの画像を扱えません。</source>
        <translation>&quot;%1&quot; cannot encode pictures of %2×%3 pixels.</translation>
    </message>
    <message>
        <source>アニメーションはGIF（.gif）、WebP（.webp）、APNG（.apng、.png）、MP4（.mp4）かWebM（.webm）で保存してください。</source>
        <translation>Save an animation as GIF (.gif), WebP (.webp), APNG (.apng, .png), MP4 (.mp4) or WebM (.webm).</translation>
    </message>
    <message>
        <source>%1 のファイルにはアニメーションしか保存できません。「アニメーション（GIF/WebP/APNG/MP4/WebM）で保存」を選ぶか、静止画の拡張子（.png など）にしてください。</source>
        <translation>A %1 file can only hold an animation. Choose &quot;Save as animation (GIF/WebP/APNG/MP4/WebM)&quot;, or use the extension of a still picture (such as .png).</translation>
    </message>
</context>
<context>
    <name>fg::history_text</name>
    <message>
        <source>スタート</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>%1-%2グラフ</source>
        <translation>%1-%2 curve</translation>
    </message>
    <message>
        <source>ノード名＜%1＞に変更</source>
        <translation>Renamed node to &lt;%1&gt;</translation>
    </message>
    <message>
        <source>＜%1＞を追加</source>
        <translation>Added &lt;%1&gt;</translation>
    </message>
    <message>
        <source>＜%1＞を削除</source>
        <translation>Deleted &lt;%1&gt;</translation>
    </message>
    <message>
        <source>%1-ノードの移動</source>
        <translation>%1-Moved node</translation>
    </message>
    <message>
        <source>%1-カラー グラデーション</source>
        <translation>%1-Color gradient</translation>
    </message>
    <message>
        <source>＜%1＞をインポート</source>
        <translation>Imported &lt;%1&gt;</translation>
    </message>
    <message>
        <source>＜%1＞を反転</source>
        <translation>Mirrored &lt;%1&gt;</translation>
    </message>
    <message>
        <source>＜%1＞の名前を＜%2＞に変更</source>
        <translation>Renamed &lt;%1&gt; to &lt;%2&gt;</translation>
    </message>
    <message>
        <source>＜%1＞を置き換え</source>
        <translation>Replaced &lt;%1&gt;</translation>
    </message>
    <message>
        <source>＜%1＞を再読み込み</source>
        <translation>Reloaded &lt;%1&gt;</translation>
    </message>
</context>
<context>
    <name>fg::persistence_text</name>
    <message>
        <source>ファイル読み込みエラー</source>
        <translation>File Read Error</translation>
    </message>
    <message>
        <source>「%1」は存在しないか、他のアプリケーションで開いているため読み込めません。</source>
        <translation>&quot;%1&quot; cannot be read: it does not exist or is open in another application.</translation>
    </message>
    <message>
        <source>対応していないファイルか、ファイルが壊れている可能性があります。</source>
        <translation>The file is not supported or may be damaged.</translation>
    </message>
    <message>
        <source>このファイルは、より新しいバージョンのFulgrane3Dで作成されたものです。
開くためには最新版のFulgrane3Dをインストールしてください。</source>
        <translation>This file was made with a newer version of Fulgrane3D.
Install the latest version of Fulgrane3D to open it.</translation>
    </message>
    <message>
        <source>ファイル書き込みエラー</source>
        <translation>File Write Error</translation>
    </message>
    <message>
        <source>「%1」に保存できませんでした。</source>
        <translation>Could not save to &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>マテリアル「%1」の名前はプロジェクトファイルに保存できません。
名前を変えて読み込み直してください。</source>
        <translation>The name of the material &quot;%1&quot; cannot be stored in a project file.
Rename the file and load it again.</translation>
    </message>
    <message>
        <source>マテリアル「%1」を読み込めないため、保存できません。</source>
        <translation>Cannot save: the material &quot;%1&quot; cannot be read.</translation>
    </message>
    <message>
        <source>ノードの数または階層が多すぎるため、保存できません。
一つのノードに置ける子ノードは9個、階層は9段までです。</source>
        <translation>Cannot save: there are too many nodes or levels.
A node can hold at most 9 child nodes, and nodes nest at most 9 levels deep.</translation>
    </message>
    <message>
        <source>作業フォルダを準備できません。</source>
        <translation>Cannot prepare the working folder.</translation>
    </message>
    <message>
        <source>指定したファイルが見つかりません。
「最近使ったファイル」の一覧から削除しますか？</source>
        <translation>The file was not found.
Remove it from the Recent Files list?</translation>
    </message>
    <message>
        <source>「%1」に保存できませんでした。
%2</source>
        <translation>Could not save to &quot;%1&quot;.
%2</translation>
    </message>
    <message>
        <source>ディスクの空き容量が足りません。</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>ファイルが大きすぎて、この場所には書き込めません。</source>
        <translation>The file is too large for this location.</translation>
    </message>
    <message>
        <source>読み取り専用の場所のため書き込めません。</source>
        <translation>The location is read-only.</translation>
    </message>
    <message>
        <source>この場所に書き込む権限がありません。</source>
        <translation>You do not have permission to write here.</translation>
    </message>
    <message>
        <source>保存先のフォルダが見つかりません。</source>
        <translation>The folder to save in does not exist.</translation>
    </message>
    <message>
        <source>保存先のパスの途中にフォルダではなくファイルがあります。</source>
        <translation>Part of the path is a file, not a folder.</translation>
    </message>
    <message>
        <source>同じ名前のフォルダがあります。</source>
        <translation>A folder of that name is in the way.</translation>
    </message>
    <message>
        <source>ファイル名またはパスが長すぎます。</source>
        <translation>The file name or path is too long.</translation>
    </message>
    <message>
        <source>ディスクの読み書きでエラーが発生しました。</source>
        <translation>The disk reported a read or write error.</translation>
    </message>
    <message>
        <source>ファイルが使用中です。</source>
        <translation>The file is in use.</translation>
    </message>
    <message>
        <source>システムエラー: %1</source>
        <translation>System error: %1</translation>
    </message>
</context>
<context>
    <name>fg::render_text</name>
    <message>
        <source>バーテックスシェーダー作成失敗</source>
        <translation>Could not create the vertex shader.</translation>
    </message>
    <message>
        <source>頂点シェーダー作成失敗</source>
        <translation>Could not create the vertex shader.</translation>
    </message>
    <message>
        <source>ピクセルシェーダー作成失敗</source>
        <translation>Could not create the pixel shader.</translation>
    </message>
    <message>
        <source>テクスチャー読み込み失敗</source>
        <translation>Could not load the texture.</translation>
    </message>
    <message>
        <source>スプライト</source>
        <translation>Sprite</translation>
    </message>
</context>
<context>
    <name>fg::tree_text</name>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>このノードは削除できません</source>
        <translation>This node cannot be deleted.</translation>
    </message>
    <message>
        <source>これ以上ノードを追加できません。
一つのノードに置ける子ノードは9個までです。</source>
        <translation>No more nodes can be added.
A node can hold at most 9 child nodes.</translation>
    </message>
    <message>
        <source>これ以上深い階層にはできません。
ノードの階層は9段までです。</source>
        <translation>The tree cannot be made deeper.
Nodes nest at most 9 levels deep.</translation>
    </message>
</context>
</TS>
