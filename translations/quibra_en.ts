<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>CHelpDlg</name>
    <message>
        <source>About Quibra</source>
        <translation>About Quibra</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Quibra 単位換算電卓</source>
        <translation>Quibra Unit Converter</translation>
    </message>
    <message>
        <source>Helpファイルが見つかりません。</source>
        <translation>The help file cannot be found.</translation>
    </message>
    <message>
        <source>ヘルプのアイコン</source>
        <translation>Help icon</translation>
    </message>
</context>
<context>
    <name>CVersionDlg</name>
    <message>
        <source>Quibraのﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>Quibra Version Information</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Quibra Version %1</source>
        <translation>Quibra Version %1</translation>
    </message>
    <message>
        <source>ポケット電卓の単位換算</source>
        <translation>Pocket unit converter</translation>
    </message>
    <message>
        <source>Quibra のアイコン</source>
        <translation>Quibra icon</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>（ヘルプファイルが大きすぎるため、ここまでを表示しています。）</source>
        <translation>(The help file is too large: it is shown up to here.)</translation>
    </message>
</context>
<context>
    <name>KeyButton</name>
    <message>
        <source>（押されています）</source>
        <translation> (pressed)</translation>
    </message>
</context>
<context>
    <name>KeyboardTranslation</name>
    <message>
        <source>BackSpace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>→</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>フォーカスして Ctrl+Enter</source>
        <translation>Ctrl+Enter when focused</translation>
    </message>
    <message>
        <source>キーボード: %1</source>
        <translation>Keyboard: %1</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>．</source>
        <translation>.</translation>
    </message>
    <message>
        <source>小数点</source>
        <translation>decimal point</translation>
    </message>
    <message>
        <source>符号反転</source>
        <translation>change sign</translation>
    </message>
    <message>
        <source>一文字消去</source>
        <translation>erase last character</translation>
    </message>
    <message>
        <source>クリア</source>
        <translation>clear</translation>
    </message>
    <message>
        <source>＋</source>
        <translation>+</translation>
    </message>
    <message>
        <source>足す</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>－</source>
        <translation>−</translation>
    </message>
    <message>
        <source>引く</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>掛ける</source>
        <translation>times</translation>
    </message>
    <message>
        <source>割る</source>
        <translation>divided by</translation>
    </message>
    <message>
        <source>＝</source>
        <translation>=</translation>
    </message>
    <message>
        <source>イコール</source>
        <translation>equals</translation>
    </message>
    <message>
        <source>入れ替え</source>
        <translation>swap</translation>
    </message>
    <message>
        <source>ﾟC</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>摂氏</source>
        <translation>Celsius</translation>
    </message>
    <message>
        <source>ﾟF</source>
        <translation>°F</translation>
    </message>
    <message>
        <source>華氏</source>
        <translation>Fahrenheit</translation>
    </message>
    <message>
        <source>ミリメートル</source>
        <translation>millimetre</translation>
    </message>
    <message>
        <source>センチメートル</source>
        <translation>centimetre</translation>
    </message>
    <message>
        <source>メートル</source>
        <translation>metre</translation>
    </message>
    <message>
        <source>キロメートル</source>
        <translation>kilometre</translation>
    </message>
    <message>
        <source>インチ</source>
        <translation>inch</translation>
    </message>
    <message>
        <source>フィート</source>
        <translation>foot</translation>
    </message>
    <message>
        <source>ヤード</source>
        <translation>yard</translation>
    </message>
    <message>
        <source>マイル</source>
        <translation>mile</translation>
    </message>
    <message>
        <source>グラム</source>
        <translation>gram</translation>
    </message>
    <message>
        <source>キログラム</source>
        <translation>kilogram</translation>
    </message>
    <message>
        <source>オンス</source>
        <translation>ounce</translation>
    </message>
    <message>
        <source>ポンド</source>
        <translation>pound</translation>
    </message>
    <message>
        <source>ミリリットル</source>
        <translation>millilitre</translation>
    </message>
    <message>
        <source>リットル</source>
        <translation>litre</translation>
    </message>
    <message>
        <source>液量オンス</source>
        <translation>fluid ounce</translation>
    </message>
    <message>
        <source>ガロン</source>
        <translation>gallon</translation>
    </message>
    <message>
        <source>￥</source>
        <translation>¥</translation>
    </message>
    <message>
        <source>円</source>
        <translation>yen</translation>
    </message>
    <message>
        <source>ドル</source>
        <translation>dollar</translation>
    </message>
    <message>
        <source>為替レート設定</source>
        <translation>set exchange rate</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>オーバーフロー</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>-オーバーフロー</source>
        <translation>-Overflow</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>これ以上入力できません。</source>
        <translation>No more digits can be entered.</translation>
    </message>
    <message>
        <source>0では割れません</source>
        <translation>Cannot divide by 0</translation>
    </message>
    <message>
        <source>0では割れません。</source>
        <translation>Cannot divide by 0.</translation>
    </message>
    <message>
        <source>為替レート（円）を設定・変更するには、
数値を入力して［Rate］ボタンを押してください。</source>
        <translation>To set or change the exchange rate (yen),
type a number and press [Rate].</translation>
    </message>
    <message>
        <source>為替レートを円で設定してください。
十銭単位まで設定できます。</source>
        <translation>Set the exchange rate in yen.
It can be set to tenths of a yen.</translation>
    </message>
    <message>
        <source>為替レートは、十銭単位まで設定できます。
入力しない場合、０を設定します。</source>
        <translation>The exchange rate can be set to tenths of a yen.
Tenths not entered are set to 0.</translation>
    </message>
    <message>
        <source>設定できる為替レートは、十銭単位までです。
一銭単位は切り捨てられます。</source>
        <translation>The exchange rate can be set to tenths of a yen.
Hundredths of a yen are dropped.</translation>
    </message>
    <message>
        <source>為替レートをファイルに保存できませんでした。</source>
        <translation>The exchange rate could not be saved to its file.</translation>
    </message>
    <message>
        <source>為替レート（円）を入力してください。</source>
        <translation>Enter the exchange rate (yen).</translation>
    </message>
    <message>
        <source>クリップボードの内容は数値ではありません。</source>
        <translation>The clipboard does not hold a number.</translation>
    </message>
</context>
<context>
    <name>QuibraWindow</name>
    <message>
        <source>Unit Converter</source>
        <translation>Unit Converter</translation>
    </message>
    <message>
        <source>単位換算</source>
        <translation>Unit Converter</translation>
    </message>
    <message>
        <source>Quibra のアイコン</source>
        <translation>Quibra icon</translation>
    </message>
    <message>
        <source>クリックするとヘルプを開きます（F1）</source>
        <translation>Click to open the help (F1)</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>為替レート（円）</source>
        <translation>Exchange rate (yen)</translation>
    </message>
    <message>
        <source>%1から換算</source>
        <translation>Converting from %1</translation>
    </message>
    <message>
        <source>、</source>
        <extracomment>Between the new value and the unit waiting, in an announcement.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Quibra のﾊﾞｰｼﾞｮﾝ情報(&amp;A)...</source>
        <translation>&amp;About Quibra...</translation>
    </message>
</context>
</TS>
