<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Alarm_Timer</name>
    <message>
        <source>Alrm Timer screen</source>
        <translation>タイマー画面</translation>
    </message>
</context>
<context>
    <name>Config_Mini_Omikuji</name>
    <message>
        <source>Zelvane Uranai Config</source>
        <translation>ゼルヴァーネ占い 設定</translation>
    </message>
    <message>
        <source>Select Omikuji type,please</source>
        <translation>おみくじの運勢を選んでください</translation>
    </message>
    <message>
        <source>No unsei</source>
        <translation>未設定</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>入力</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Error Message</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>There are No entry,retry setting</source>
        <translation>未入力の欄があります。設定し直してください</translation>
    </message>
    <message>
        <source>Daikichi</source>
        <translation>大吉</translation>
    </message>
    <message>
        <source>Chu kichi</source>
        <translation>中吉</translation>
    </message>
    <message>
        <source>shoukichi</source>
        <translation>小吉</translation>
    </message>
    <message>
        <source>Kichi</source>
        <translation>吉</translation>
    </message>
    <message>
        <source>Hankichi</source>
        <translation>半吉</translation>
    </message>
    <message>
        <source>Suekichi</source>
        <translation>末吉</translation>
    </message>
    <message>
        <source>Sue-shoukichi</source>
        <translation>末小吉</translation>
    </message>
    <message>
        <source>Kyou</source>
        <translation>凶</translation>
    </message>
    <message>
        <source>Shoukyou</source>
        <translation>小凶</translation>
    </message>
    <message>
        <source>Hankyou</source>
        <translation>半凶</translation>
    </message>
    <message>
        <source>Suekyou</source>
        <translation>末凶</translation>
    </message>
    <message>
        <source>Daikyou</source>
        <translation>大凶</translation>
    </message>
</context>
<context>
    <name>Date_Time_Screen</name>
    <message>
        <source>Zelvane(Clock+)</source>
        <translation>ゼルヴァーネ(時計+)</translation>
    </message>
    <message>
        <source>yyyy.M.d</source>
        <translation>yyyy/M/d</translation>
    </message>
    <message>
        <source>h:m:ss</source>
        <translation>h:m:ss</translation>
    </message>
    <message>
        <source>h:m</source>
        <translation>h時m分</translation>
    </message>
    <message>
        <source>Usi no Tuki</source>
        <translation>丑の月</translation>
    </message>
    <message>
        <source>January</source>
        <translation>一月</translation>
    </message>
    <message>
        <source>Tora no Tuki</source>
        <translation>寅の月</translation>
    </message>
    <message>
        <source>February</source>
        <translation>二月</translation>
    </message>
    <message>
        <source>U no Tuki</source>
        <translation>卯の月</translation>
    </message>
    <message>
        <source>March</source>
        <translation>三月</translation>
    </message>
    <message>
        <source>Tatu no Tuki</source>
        <translation>辰の月</translation>
    </message>
    <message>
        <source>April</source>
        <translation>四月</translation>
    </message>
    <message>
        <source>Mi no Tuki</source>
        <translation>巳の月</translation>
    </message>
    <message>
        <source>May</source>
        <translation>五月</translation>
    </message>
    <message>
        <source>Uma no Tuki</source>
        <translation>午の月</translation>
    </message>
    <message>
        <source>June</source>
        <translation>六月</translation>
    </message>
    <message>
        <source>Hituji no Tuki</source>
        <translation>未の月</translation>
    </message>
    <message>
        <source>July</source>
        <translation>七月</translation>
    </message>
    <message>
        <source>Saru no Tuki</source>
        <translation>申の月</translation>
    </message>
    <message>
        <source>August </source>
        <translation>八月</translation>
    </message>
    <message>
        <source>Tori no Tuki</source>
        <translation>酉の月</translation>
    </message>
    <message>
        <source>September</source>
        <translation>九月</translation>
    </message>
    <message>
        <source>inu no Tuki</source>
        <translation>戌の月</translation>
    </message>
    <message>
        <source>October</source>
        <translation>十月</translation>
    </message>
    <message>
        <source>I no Tuki</source>
        <translation>亥の月</translation>
    </message>
    <message>
        <source>November</source>
        <translation>十一月</translation>
    </message>
    <message>
        <source>Ne no Tuki</source>
        <translation>子の月</translation>
    </message>
    <message>
        <source>December</source>
        <translation>十二月</translation>
    </message>
    <message>
        <source>Ne no koku</source>
        <translation>子の刻</translation>
    </message>
    <message>
        <source>Ushi no koku</source>
        <translation>丑の刻</translation>
    </message>
    <message>
        <source>Tora no koku</source>
        <translation>寅の刻</translation>
    </message>
    <message>
        <source>U no koku</source>
        <translation>卯の刻</translation>
    </message>
    <message>
        <source>Tatu no koku</source>
        <translation>辰の刻</translation>
    </message>
    <message>
        <source>Me no koku</source>
        <translation>巳の刻</translation>
    </message>
    <message>
        <source>Uma no koku</source>
        <translation>午の刻</translation>
    </message>
    <message>
        <source>Hituji no koku</source>
        <translation>未の刻</translation>
    </message>
    <message>
        <source>Saru no koku</source>
        <translation>申の刻</translation>
    </message>
    <message>
        <source>Tori no koku</source>
        <translation>酉の刻</translation>
    </message>
    <message>
        <source>Inu no koku</source>
        <translation>戌の刻</translation>
    </message>
    <message>
        <source>i no koku</source>
        <translation>亥の刻</translation>
    </message>
</context>
<context>
    <name>Help_Screen</name>
    <message>
        <source>How to use screen</source>
        <translation>使い方画面</translation>
    </message>
</context>
<context>
    <name>Mini_Omikuji</name>
    <message>
        <source>Daikichi</source>
        <translation>大吉</translation>
    </message>
    <message>
        <source>Chu kichi</source>
        <translation>中吉</translation>
    </message>
    <message>
        <source>shoukichi</source>
        <translation>小吉</translation>
    </message>
    <message>
        <source>Kichi</source>
        <translation>吉</translation>
    </message>
    <message>
        <source>Hankichi</source>
        <translation>半吉</translation>
    </message>
    <message>
        <source>Suekichi</source>
        <translation>末吉</translation>
    </message>
    <message>
        <source>Sue-shoukichi</source>
        <translation>末小吉</translation>
    </message>
    <message>
        <source>Kyou</source>
        <translation>凶</translation>
    </message>
    <message>
        <source>Shoukyou</source>
        <translation>小凶</translation>
    </message>
    <message>
        <source>Hankyou</source>
        <translation>半凶</translation>
    </message>
    <message>
        <source>Suekyou</source>
        <translation>末凶</translation>
    </message>
    <message>
        <source>Daikyou</source>
        <translation>大凶</translation>
    </message>
    <message>
        <source>Beleave my self</source>
        <translation>自分を信じよ</translation>
    </message>
    <message>
        <source>feeling achivement</source>
        <translation>達成感を味わえる</translation>
    </message>
    <message>
        <source>effort the everyday</source>
        <translation>日々の努力を怠るな</translation>
    </message>
    <message>
        <source>Your efforts will pay off</source>
        <translation>努力は報われる</translation>
    </message>
    <message>
        <source>Matters took a turn for the worth</source>
        <translation>事態は悪い方へ向かう</translation>
    </message>
    <message>
        <source>you have pure luck</source>
        <translation>運任せになる</translation>
    </message>
    <message>
        <source>injustice has taboo</source>
        <translation>不正は禁物</translation>
    </message>
    <message>
        <source>survive for your self</source>
        <translation>自力で乗り切れ</translation>
    </message>
    <message>
        <source>You need not expect</source>
        <translation>期待は禁物</translation>
    </message>
    <message>
        <source>Take your pick</source>
        <translation>選り取り見取り</translation>
    </message>
    <message>
        <source>many chances</source>
        <translation>機会に恵まれる</translation>
    </message>
    <message>
        <source>you close attention</source>
        <translation>細心の注意を払え</translation>
    </message>
    <message>
        <source>Brush the my hurt is Kich</source>
        <translation>心の傷を払えば吉</translation>
    </message>
    <message>
        <source>your effort dipendents having is kichi</source>
        <translation>努力次第で吉</translation>
    </message>
    <message>
        <source>It has beleave is kichi</source>
        <translation>信じれば吉</translation>
    </message>
    <message>
        <source>it unexpected the encounter</source>
        <translation>思わぬ出会いあり</translation>
    </message>
    <message>
        <source>you can&apos;t be too ambitious</source>
        <translation>高望みは禁物</translation>
    </message>
    <message>
        <source>Lover alarm</source>
        <translation>恋愛注意報</translation>
    </message>
    <message>
        <source>Lose something get anything</source>
        <translation>損して得取れ</translation>
    </message>
    <message>
        <source>Only get out</source>
        <translation>出ていくばかり</translation>
    </message>
    <message>
        <source>extra income feel</source>
        <translation>臨時収入の予感</translation>
    </message>
    <message>
        <source>escape the suquare</source>
        <translation>型を破れ</translation>
    </message>
    <message>
        <source>A standstill</source>
        <translation>停滞</translation>
    </message>
    <message>
        <source>inconstancy</source>
        <translation>浮き沈みあり</translation>
    </message>
    <message>
        <source>you will bless the penny</source>
        <translation>小銭を大切に</translation>
    </message>
    <message>
        <source>small income,big outgo</source>
        <translation>収入少なく出費多し</translation>
    </message>
    <message>
        <source>unexpect outgo is carefully</source>
        <translation>思わぬ出費に注意</translation>
    </message>
    <message>
        <source>outgo at great</source>
        <translation>大きな出費あり</translation>
    </message>
    <message>
        <source>Thinking will work out all right</source>
        <translation>よく考えればうまくいく</translation>
    </message>
    <message>
        <source>Natural solve the probrem</source>
        <translation>自然に解決する</translation>
    </message>
    <message>
        <source>Wait the help</source>
        <translation>助けを待て</translation>
    </message>
    <message>
        <source>Discretion is the better part of valor</source>
        <translation>君子危うきに近寄らず</translation>
    </message>
    <message>
        <source>You have to humility</source>
        <translation>謙虚であれ</translation>
    </message>
    <message>
        <source>when calm down is kichi</source>
        <translation>落ち着けば吉</translation>
    </message>
    <message>
        <source>pull step</source>
        <translation>一歩引け</translation>
    </message>
    <message>
        <source>unruly</source>
        <translation>手に負えない</translation>
    </message>
    <message>
        <source>Good luck</source>
        <translation>健闘を祈る</translation>
    </message>
    <message>
        <source>Zelvane Uranai</source>
        <translation>ゼルヴァーネ占い</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>スタート</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>ストップ</translation>
    </message>
    <message>
        <source>Study:%1</source>
        <translation>学問:%1</translation>
    </message>
    <message>
        <source>money:%1</source>
        <translation>金運:%1</translation>
    </message>
    <message>
        <source>lover:%1</source>
        <translation>恋愛:%1</translation>
    </message>
    <message>
        <source>trouble:%1</source>
        <translation>悩み事:%1</translation>
    </message>
    <message>
        <source>No fortune set</source>
        <translation>運勢が設定されていません</translation>
    </message>
</context>
<context>
    <name>Right_Menu</name>
    <message>
        <source>Right click menu</source>
        <translation>右クリックメニュー</translation>
    </message>
    <message>
        <source>Calender</source>
        <translation>カレンダー</translation>
    </message>
    <message>
        <source>maxim Today</source>
        <translation>今日の格言</translation>
    </message>
    <message>
        <source>Known Timer</source>
        <translation>タイマー</translation>
    </message>
    <message>
        <source>mini omikuji</source>
        <translation>ミニおみくじ</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>Close menu</source>
        <translation>メニューを閉じる</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
</context>
<context>
    <name>Version_Screen</name>
    <message>
        <source>Version screen</source>
        <translation>バージョン画面</translation>
    </message>
    <message>
        <source>Soft name:Zelvane</source>
        <translation>ソフト名:ゼルヴァーネ</translation>
    </message>
    <message>
        <source>Author:The Zelvane developers</source>
        <translation>作者:ゼルヴァーネ開発者一同</translation>
    </message>
    <message>
        <source>Version:version 1.00</source>
        <translation>バージョン:1.00</translation>
    </message>
    <message>
        <source>URL:https://zelvane.example.org/</source>
        <translation>URL:https://zelvane.example.org/</translation>
    </message>
    <message>
        <source>Copyright (C) The Zelvane project</source>
        <translation>Copyright (C) ゼルヴァーネ・プロジェクト</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version Information</source>
        <translation>バージョン情報</translation>
    </message>
</context>
</TS>
