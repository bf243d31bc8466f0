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
