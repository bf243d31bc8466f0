<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Alarm_Timer</name>
    <message>
        <source>Alrm Timer screen</source>
        <translation>タイマー画面</translation>
    </message>
    <message>
        <source>Time is up</source>
        <translation>時間です</translation>
    </message>
    <message>
        <source>Enter chooses the next time: 60, 180 or 300 seconds. Space starts, stops and resets the count in turn.</source>
        <translation>Enterキーで次の時間（60秒、180秒、300秒）を選びます。スペースキーで、スタート、ストップ、リセットを順に行います。</translation>
    </message>
    <message>
        <source>time is up</source>
        <translation>時間です</translation>
    </message>
    <message>
        <source>counting</source>
        <translation>カウント中</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>ストップ中</translation>
    </message>
    <message>
        <source>set</source>
        <translation>セット済み</translation>
    </message>
    <message>
        <source>1 second, %1</source>
        <translation>残り1秒、%1</translation>
    </message>
    <message>
        <source>%1 seconds, %2</source>
        <translation>残り%1秒、%2</translation>
    </message>
</context>
<context>
    <name>Calender_Show</name>
    <message>
        <source>Calendar</source>
        <translation>カレンダー</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>前の月</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>次の月</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>月の日付</translation>
    </message>
</context>
<context>
    <name>Config_Mini_Omikuji</name>
    <message>
        <source>Zelvane Uranai Config</source>
        <translation>ゼルヴァーネ占いの設定</translation>
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
        <translation>決定</translation>
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
        <translation>運勢が未設定の枠があります。設定し直してください。</translation>
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
    <message>
        <source>Fortune grade of row %1</source>
        <translation>%1行目の運勢</translation>
    </message>
    <message>
        <source>Enters the fortune grade of row %1</source>
        <translation>%1行目の運勢を決定します</translation>
    </message>
</context>
<context>
    <name>Date_Time_Screen</name>
    <message>
        <source>Zelvane(Clock+)</source>
        <translation>ゼルヴァーネ（時計+）</translation>
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
        <translation>ヘルプ画面</translation>
    </message>
    <message>
        <source>The help pages are missing: html/index.html is in none of %1.</source>
        <translation>ヘルプのページが見つかりません。html/index.html は %1 のどこにもありません。</translation>
    </message>
</context>
<context>
    <name>Main_Maxim_Screen</name>
    <message>
        <source>Select maxim menu</source>
        <translation>格言選択メニュー</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Screen method</source>
        <translation>表示方法</translation>
    </message>
    <message>
        <source>2.&amp;Innumeric order</source>
        <translation>2.番号順(&amp;I)</translation>
    </message>
    <message>
        <source>1.&amp;At random</source>
        <translation>1.ランダム(&amp;A)</translation>
    </message>
    <message>
        <source>Select kind of maxim</source>
        <translation>格言の種類を選択</translation>
    </message>
    <message>
        <source>&amp;Chinese maxim</source>
        <translation>中国の格言(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Japanese maxim</source>
        <translation>日本の格言(&amp;J)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
</context>
<context>
    <name>Maxim_Window</name>
    <message>
        <source>Heading</source>
        <translation>見出し</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>本文</translation>
    </message>
</context>
<context>
    <name>Maxim_Word</name>
    <message>
        <source>Hijyouhatokunomotonari</source>
        <translation>卑譲は徳の基なり</translation>
    </message>
    <message>
        <source>Kenjyou koso Toku no kihon de aru</source>
        <translation>謙譲こそ徳の基本である。</translation>
    </message>
    <message>
        <source>Shusinmitiwo yuzurumohyappowo magezu</source>
        <translation>終身路を譲るも百歩を枉げず</translation>
    </message>
    <message>
        <source>Shougainiwatatte mitiwoyuzuttatositemo sono goukeiha hyapponimo mitanai

Syakaijintositeno Itibantaisetunasikaku,Kenjyou no kokoro</source>
        <translation>生涯にわたって道を譲ったとしても、その合計は百歩にも満たない。

社会人として最も大切な資格は、謙譲の心である。</translation>
    </message>
    <message>
        <source>Ti ha wazawai wo manukaruru wo tattobu</source>
        <translation>智は禍を免るるを貴ぶ</translation>
    </message>
    <message>
        <source>Ti womigakunaraba kikenkarami wo sakerukotogadekiru

ti toha fukaiyomi no dekirunouryoku

 sinjituno ti ha omotedattehyoumeisubekidehanai</source>
        <translation>智を磨けば、危険から身を避けることができる。

智とは、深く先を読む力である。

真の智は、表に出してひけらかすものではない。</translation>
    </message>
    <message>
        <source>Hito nisite sinn nakuba,sonokanaru wo sirazarunari. daisya nigeinaku,
syousya ni getu nakunnba,sorenani wo nite korewo yarananya</source>
        <translation>人にして信なくば、其の可なるを知らざるなり。大車輗なく、
小車軏なくんば、其れ何を以てか之を行らんや</translation>
    </message>
    <message>
        <source>Hito ni sinnyou ga nakereba nanimo dekinai. Kuruma ni kubiki wo tunagu kanagu ga nakereba ugokanai noto onaji de aru</source>
        <translation>人に信用がなければ何もできない。軛をつなぐ金具がなければ車が動かないのと同じである。</translation>
    </message>
    <message>
        <source>Sekisinn wo osite Hitono fukutyuuni oku</source>
        <translation>赤心を推して人の腹中に置く</translation>
    </message>
    <message>
        <source>Magokoro wo sarakedasite aite wo sinnjireba, hito mo kokoro wo hiraite tukusite kureru</source>
        <translation>真心をさらけ出して相手を信じれば、相手も心を開いて尽くしてくれる。</translation>
    </message>
    <message>
        <source>Kafuku ha mon nasi, Tadahitonomanekutokoronari</source>
        <translation>禍福は門なし、唯人の招く所なり</translation>
    </message>
    <message>
        <source>Wazawai mo siawase mo kimatta iriguti ha nai. Subete sono hito no okonai ga maneku mono de aru</source>
        <translation>災いにも幸せにも決まった入り口はない。すべてはその人の行いが招くものである。</translation>
    </message>
    <message>
        <source>Mizuitattekiyokerebauonasi</source>
        <translation>水至って清ければ魚なし</translation>
    </message>
    <message>
        <source>Amari ni keppeki sugiruto hito ha tikayoranai. Sukosi no nigori wo yurusu kokoro ga hituyou</source>
        <translation>あまりに潔癖だと人は寄りつかない。少しの濁りを許す心も必要である。</translation>
    </message>
    <message>
        <source>Kunsi ha gi nisatori shouninn ha ri nisatoru</source>
        <translation>君子は義に喩り小人は利に喩る</translation>
    </message>
    <message>
        <source>Rippa na hito ha nani ga tadasii ka wo kangae, syoujinn ha nani ga toku ka bakari wo kangaeru</source>
        <translation>立派な人は何が正しいかを考え、小人は何が得かばかりを考える。</translation>
    </message>
    <message>
        <source>Jyousi ha susumigatakusitesirizokiyasusi. sonotugi hasusumiyasukusitesirizokiyasusi.sono sita ha susumiyasukusite sirizokiyasusi</source>
        <translation>上士は進み難くして退き易し。其の次は進み易くして退き易し。其の下は進み易くして退き難し</translation>
    </message>
    <message>
        <source>Mottomosuguretajinnbutuha suikyosaretemoyouiniukenaiga yamerutoki hakireini mi wohiku.sonotuginokurasu ha suikyosarerutoyorokonndeouji yamerutokiha assarihiku saiteinokurasu ha suikyosareru to yorokonnde oujiru ga yamerutoki hayameyoutosinaininngennde aru</source>
        <translation>最も優れた人物は、推挙されてもたやすくは受けないが、辞めるときはきれいに身を引く。その次の人物は、推挙されれば喜んで応じ、辞めるときもあっさり身を引く。最も劣る人物は、推挙されれば喜んで応じるが、辞めるときになっても辞めようとしない。</translation>
    </message>
    <message>
        <source>Rou yori syou wo mireba motte bonntikakuti no kokoro wokesubesi</source>
        <translation>老より少を看れば、以て奔馳角逐の心を消すべし</translation>
    </message>
    <message>
        <source>Tosiyori no me de wakasa wo mireba, hasirimawari kisoiau kokoro ha munasiku omoete kieru</source>
        <translation>老人の目で若者の営みを見れば、走り回り競い合う心はむなしく思えて消えていく。</translation>
    </message>
    <message>
        <source>Taiti ha ti narazu</source>
        <translation>大智は智ならず</translation>
    </message>
    <message>
        <source>Hontou ni kasikoi hito ha tie wo hikerakasazu, ikken orokani mieru</source>
        <translation>本当に賢い人は知恵をひけらかさず、一見すると愚かに見える。</translation>
    </message>
    <message>
        <source>Kunnsiomokarazareba sunawatiiarazu.manabeba sunawati ko narazu.</source>
        <translation>君子重からざれば則ち威あらず。学べば則ち固ならず</translation>
    </message>
    <message>
        <source>Jinnbutu ni omomi ga nakereba ifuu ha nai. Manabeba kangae ga katakuna ni naranai</source>
        <translation>人物に重みがなければ威厳は備わらない。学べば考えが凝り固まらない。</translation>
    </message>
    <message>
        <source>ikkyoku ni oowarete dairi ni kurasi</source>
        <translation>一曲に蔽われて大理に闇し</translation>
    </message>
    <message>
        <source>Hitotu no mikata ni torawareruto, zentai no ookina douri ga mienaku naru</source>
        <translation>一つの見方にとらわれると、全体の大きな道理が見えなくなる。</translation>
    </message>
    <message>
        <source>kagyuukakujyounoarasoi</source>
        <translation>蝸牛角上の争い</translation>
    </message>
    <message>
        <source>Tiisana sekai de tumaranai koto wo arasou orokasa. Katatumuri no tuno no ue no kuni dousi no sennsou</source>
        <translation>小さな世界でつまらないことを争う愚かさ。カタツムリの角の上にある国どうしの戦争にたとえたもの。</translation>
    </message>
    <message>
        <source>tuti ha onore wo sirazarunikussi onorewosiruni nobu</source>
        <translation>士は己を知らざるに詘し己を知るに信ぶ</translation>
    </message>
    <message>
        <source>Jibunn wo rikai sinai hito no mae deha kussuru ga, rikai site kureru hito no moto deha sainou wo nobinobi hakki suru</source>
        <translation>自分を理解しない人の前では身を屈するが、理解してくれる人のもとでは才能をのびのびと発揮する。</translation>
    </message>
    <message>
        <source>Kousi no kou ha sonnbou no motonari</source>
        <translation>公私の交は存亡の本なり</translation>
    </message>
    <message>
        <source>Ooyake to watakusi no kejime wo dou tukeru ka ga, kuni ga sakaeru ka horobiru ka no konponn de aru</source>
        <translation>公と私のけじめをどうつけるかが、国が栄えるか滅びるかの根本である。</translation>
    </message>
    <message>
        <source>Hei no tairitu ha kinn ni ari</source>
        <translation>兵の大律は禁にあり</translation>
    </message>
    <message>
        <source>Guntai de mottomo taisetu na okite ha, kinnrei wo mamorasete kiritu wo tadasu koto de aru</source>
        <translation>軍隊で最も大切な掟は、禁令を守らせて規律を正すことである。</translation>
    </message>
    <message>
        <source>Syou ni  kyu nisite hai wo wasusururu kotonakare</source>
        <translation>勝に急にして敗を忘るること勿れ</translation>
    </message>
    <message>
        <source>Katou to aseru amari, makeru kanousei wo wasurete ha naranai</source>
        <translation>勝とうと焦るあまり、負ける可能性を忘れてはならない。</translation>
    </message>
    <message>
        <source>kare wo siri onore wo sireba hyakusennsite ayaubekarazu</source>
        <translation>彼を知り己を知れば百戦殆うからず</translation>
    </message>
    <message>
        <source>Aite no koto mo jibunn no koto mo yoku sitteireba, nanndo tatakattemo abunaku naru koto ha nai</source>
        <translation>相手のことも自分のこともよく知っていれば、何度戦っても危うくなることはない。</translation>
    </message>
    <message>
        <source>Issyu hitori utu ha tuyosi to iedomo koenasi</source>
        <translation>一手独り拍つは疾しと雖も声無し</translation>
    </message>
    <message>
        <source>Katate dake deha ikura hayaku utte mo oto ha denai. Nanigoto mo kyouryoku suru aite ga hituyou</source>
        <translation>片手だけでは、いくら速く打っても音は出ない。何事にも協力する相手が必要である。</translation>
    </message>
    <message>
        <source>Fuuki ni site kokyou ni kaerazaru ha syuu wo kite yoruikugagotosi</source>
        <translation>富貴にして故郷に帰らざるは繍を衣て夜行くが如し</translation>
    </message>
    <message>
        <source>31seikou nisite</source>
        <translation>31.富と地位を得ながら故郷に帰らないのは、美しい刺繍の着物を着て夜道を歩くようなもので、誰の目にも留まらない。出世したら故郷に錦を飾れということ。</translation>
    </message>
    <message>
        <source>koutogemisirizoku ha tenn no mitinari</source>
        <translation>功遂げ身退くは天の道なり</translation>
    </message>
    <message>
        <source>32.Kouseki wo agetara tii ni sigamitukazu mi wo hiku noga tenn no douri de aru</source>
        <translation>32.功績を上げたら地位にしがみつかず身を引くのが、天の道理である。</translation>
    </message>
    <message>
        <source>jyoujinn ha kosyu niannji gakusya ha kikutokoroni oboru</source>
        <translation>常人は故俗に安んじ学者は聞く所に溺る</translation>
    </message>
    <message>
        <source>33 heibonn na hito ha furui syuukann ni annjuusi, gakusya ha jibunn no naratta tisiki ni oboreru</source>
        <translation>33.平凡な人は古い習慣に安住し、学者は自分が学んだ知識に溺れる。</translation>
    </message>
    <message>
        <source>kousei osorubesi</source>
        <translation>後生畏るべし</translation>
    </message>
    <message>
        <source>35wakamono ha doryoku sidai de donnani sugureta jinnbutu ni naruka wakaranai. Keibetu sezu osorerubeki de aru</source>
        <translation>35.若者は努力次第で、どれほど優れた人物になるかわからない。侮らず、畏れるべきである。</translation>
    </message>
    <message>
        <source>Saisyou ha saiji ni sitasimazu</source>
        <translation>宰相は細事に親しまず</translation>
    </message>
    <message>
        <source>36.Ue ni tatu mono ha komakai koto ni kuti wo dasazu, ookina koto ni sennnenn subeki de aru</source>
        <translation>36.上に立つ者は細かいことに口を出さず、大きなことに専念すべきである。</translation>
    </message>
    <message>
        <source>Yokuikumono ha tetteki nasi</source>
        <translation>善く行く者は轍迹無し</translation>
    </message>
    <message>
        <source>38 hontou ni jyouzu ni okonau hito ha, wadati no youna muri no ato wo nokosanai</source>
        <translation>38.本当に上手に事を行う人は、車の轍のような無理の跡を残さない。</translation>
    </message>
    <message>
        <source>kasei ha tora yorimo takesi</source>
        <translation>苛政は虎よりも猛し</translation>
    </message>
    <message>
        <source>40kibisii seiji ha hito wo kuu tora yori mo osorosii</source>
        <translation>40.苛酷な政治は、人を食う虎よりも恐ろしい。</translation>
    </message>
    <message>
        <source>Syakuroku no yo rutokoro hasonnbou no ki nari</source>
        <translation>爵禄の由る所は存亡の機なり</translation>
    </message>
    <message>
        <source>43.syakuroku ha syakui to houroku</source>
        <translation>43.爵禄とは爵位と俸禄のこと。誰に爵位や俸禄を与えるかが、国が存続するか滅びるかの分かれ目となる。</translation>
    </message>
    <message>
        <source>Ri niyorite okonaeba urami oosi</source>
        <translation>利に放りて行えば怨み多し</translation>
    </message>
    <message>
        <source>44.Jibunn no ritoku bakari wo kangaete koudou suruto, hito kara urami wo kau koto ga ooi</source>
        <translation>44.自分の利益ばかりを考えて行動すると、人から恨みを買うことが多い。</translation>
    </message>
    <message>
        <source>Manabite omowazareba sunawati kurasi</source>
        <translation>学びて思わざれば則ち罔し</translation>
    </message>
    <message>
        <source>45 manabu dake de jibunn de kangaenakereba, tisiki ha mi ni tukazu hakkiri sinai</source>
        <translation>45.学ぶだけで自分で考えなければ、知識は身につかず、物事がはっきりと見えてこない。</translation>
    </message>
    <message>
        <source>ikunikomiti ni yorazu</source>
        <translation>行くに径に由らず</translation>
    </message>
    <message>
        <source>47tikamiti ya nukemiti wo sezu, tuneni seidou wo ayumu</source>
        <translation>47.近道や抜け道を通らず、常に正道を歩む。</translation>
    </message>
    <message>
        <source>kokoro koko ni arazareba miredomo miezu</source>
        <translation>心ここに在らざれば視れども見えず</translation>
    </message>
    <message>
        <source>48.Kokoro ga syuutyuu site inakereba, me no mae ni aru mono mo mienai</source>
        <translation>48.心が集中していなければ、目の前にあるものも見えない。</translation>
    </message>
    <message>
        <source>osiefuruha manabu no nakaba nari</source>
        <translation>教うるは学ぶの半ばなり</translation>
    </message>
    <message>
        <source>50 hito ni osieru koto ha, jibunn ga manabu koto no hannbunn ni ataru</source>
        <translation>50.人に教えることは、自分が学ぶことの半分に当たる。</translation>
    </message>
    <message>
        <source>kyusureba sunawatihennzu. hennsureba sunawatituuzu</source>
        <translation>窮すれば則ち変ず。変ずれば則ち通ず</translation>
    </message>
    <message>
        <source>51yukizumareba jyoukyou ha kawari, kawareba aratana miti ga hirakeru</source>
        <translation>51.行き詰まれば状況は変わり、変われば新たな道が開ける。</translation>
    </message>
    <message>
        <source>Urami ni mukuiru ni toku wo mottesu</source>
        <translation>怨みに報いるに徳を以てす</translation>
    </message>
    <message>
        <source>53.Urami wo motu aite nimo, sikaesi dehanaku zenni de kotaeru</source>
        <translation>53.恨みのある相手にも、仕返しではなく善意で報いる。</translation>
    </message>
    <message>
        <source>kyo ha ki wo utusu</source>
        <translation>居は気を移す</translation>
    </message>
    <message>
        <source>54 sumu basyo ya kannkyou ha, hito no kimoti ya seikaku wo kaete simau</source>
        <translation>54.住む場所や環境は、人の気持ちや性格まで変えてしまう。</translation>
    </message>
    <message>
        <source>ayamatite aratamezaru korrewo ayamatitoiu</source>
        <translation>過ちて改めざる是を過ちと謂う</translation>
    </message>
    <message>
        <source>55ayamati wo okasite naosanai koto koso, hontou no ayamati de aru</source>
        <translation>55.過ちを犯して改めないことこそ、本当の過ちである。</translation>
    </message>
    <message>
        <source>Hitono onore wosirazaru wo ure ezu hito wosirazaruwo ureu</source>
        <translation>人の己を知らざるを患えず人を知らざるを患う</translation>
    </message>
    <message>
        <source>57.Hito ga jibunn wo mitomete kurenai koto wo nagekazu, jibunn ga hito wo minukenai koto wo sinnpai seyo</source>
        <translation>57.人が自分を認めてくれないことを嘆かず、自分が人を見抜けないことを心配せよ。</translation>
    </message>
    <message>
        <source>Ennjyakuizukunnzokoukokuno si wo sirannya</source>
        <translation>燕雀安んぞ鴻鵠の志を知らんや</translation>
    </message>
    <message>
        <source>58 tiisana tori ni ookina tori no kokorozasi ga wakaranai youni, syoujinn niha eiyuu no omoi ha rikai dekinai</source>
        <translation>58.小さな鳥に大きな鳥の志がわからないように、小人には英雄の思いは理解できない。</translation>
    </message>
    <message>
        <source>ninngeki no 2 mojiha korekafukuno kann nari</source>
        <translation>忍激の二字は是れ禍福の関なり</translation>
    </message>
    <message>
        <source>60gaman suru ka kattonaru ka, sono sennntaku ga siawase to wazawai no wakaremiti de aru</source>
        <translation>60.我慢するかカッとなるか、その選択が幸せと災いの分かれ道である。</translation>
    </message>
    <message>
        <source>Sei aitikasi,narai aitoosi</source>
        <translation>性相近し、習い相遠し</translation>
    </message>
    <message>
        <source>61.Umaretuki no seisitu ha dare mo sahodo kawaranai ga, syuukann ya kyouiku de ookiku sa ga tuku</source>
        <translation>61.生まれつきの性質は誰もさほど変わらないが、習慣や教育で大きく差がつく。</translation>
    </message>
    <message>
        <source>Onore no hossezarutokoro ha hito nihodokosukotonakare</source>
        <translation>己の欲せざる所は人に施すこと勿れ</translation>
    </message>
    <message>
        <source>63 jibunn ga sarete iya na koto ha, hito nimo site ha naranai</source>
        <translation>63.自分がされて嫌なことは、人にもしてはならない。</translation>
    </message>
    <message>
        <source>Onore ni sikazaru monowotomotosurunakare</source>
        <translation>己に如かざる者を友とすること無かれ</translation>
    </message>
    <message>
        <source>64jibunn yori otoru hito bakari wo tomo ni suruto, jibunn mo seityou sinai</source>
        <translation>64.自分より劣る人ばかりを友にすると、自分も成長しない。</translation>
    </message>
    <message>
        <source>kurumono ha kobamazu sarumono ha owazu</source>
        <translation>来る者は拒まず去る者は追わず</translation>
    </message>
    <message>
        <source>66.Tazunete kuru hito ha kobamazu ukeire, sarou to suru hito ha hikitomenai</source>
        <translation>66.訪ねて来る人は拒まず受け入れ、去ろうとする人は引き止めない。</translation>
    </message>
    <message>
        <source>keidaku ha kanarazusinnsukunasi</source>
        <translation>軽諾は必ず信寡し</translation>
    </message>
    <message>
        <source>67 karugaru to hikiukeru yakusoku ha, kanarazu to itte yoi hodo mamorarenai</source>
        <translation>67.安請け合いした約束は、必ずと言ってよいほど守られない。</translation>
    </message>
    <message>
        <source>i ha aratanaru si ha naku hito ha furuki niwakaku hanasi</source>
        <translation>衣は新たなるに如くは莫く人は故きに如くは莫し</translation>
    </message>
    <message>
        <source>69kimono ha atarasii mono ga yoi ga, hito ha furuku kara no tomo ga itiban yoi</source>
        <translation>69.着物は新しいものがよいが、人は古くからの友が一番よい。</translation>
    </message>
    <message>
        <source>kunnsi no majiwari ha awakikoto mizunogotosi</source>
        <translation>君子の交わりは淡きこと水の如し</translation>
    </message>
    <message>
        <source>70.Rippa na hito no tukiai ha mizu no youni assari site iru ga, nagaku kawaranai</source>
        <translation>70.立派な人の付き合いは水のようにあっさりしているが、長く変わらない。</translation>
    </message>
    <message>
        <source>ennsui ha kinnka wo sukuwazu</source>
        <translation>遠水は近火を救わず</translation>
    </message>
    <message>
        <source>72 tooku no mizu deha tikaku no kaji wo kesenai. Tooku no tasuke ha kyuu no ma ni awanai</source>
        <translation>72.遠くの水では近くの火事を消せない。遠くの助けは急場に間に合わない。</translation>
    </message>
    <message>
        <source>Tomo to majiwaru niha subekaraku sannbunn no kyouki wo oubesi</source>
        <translation>友と交わるには須く三分の侠気を帯ぶべし</translation>
    </message>
    <message>
        <source>73tomo to tukiau niha, tomo no tame ni hitohada nugu ninnkyou no kokoro wo sukosi ha motubeki de aru</source>
        <translation>73.友と付き合うには、友のために一肌脱ぐ任侠の心を少しは持つべきである。</translation>
    </message>
    <message>
        <source>Tomo ari ennpouyorikitaru matatanosikarazuya</source>
        <translation>朋有り遠方より来る亦楽しからずや</translation>
    </message>
    <message>
        <source>75.Tooku kara tomo ga tazunete kite kureru, nanto tanosii koto de arou ka</source>
        <translation>75.遠くから友が訪ねて来てくれる。なんと楽しいことではないか。</translation>
    </message>
    <message>
        <source>mazu sonogen wo okonaite sikarunoti ni kore wo sitagau</source>
        <translation>先ず其の言を行いて而る後に之に従う</translation>
    </message>
    <message>
        <source>76 kuti ni dasu mae ni mazu jikkou si, sono ato de kotoba wo sore ni awaseru</source>
        <translation>76.口に出す前にまず実行し、その後で言葉をそれに合わせる。</translation>
    </message>
    <message>
        <source>si mo sita ni oyobazu</source>
        <translation>駟も舌に及ばず</translation>
    </message>
    <message>
        <source>78hitotabi kuti kara deta kotoba ha, yonntoudate no basya de oikaketemo torikesenai</source>
        <translation>78.一度口から出た言葉は、四頭立ての馬車で追いかけても取り消せない。</translation>
    </message>
    <message>
        <source>sennjyou no tutumi mo rougi no ana wo motte tuiyu</source>
        <translation>千丈の堤も螻蟻の穴を以て潰ゆ</translation>
    </message>
    <message>
        <source>80.Ookina tutumi mo ari no ana hitotu kara kuzureru. Tiisana yudann ga ookina sippai wo maneku</source>
        <translation>80.大きな堤も蟻の穴一つから崩れる。小さな油断が大きな失敗を招く。</translation>
    </message>
    <message>
        <source>tennsiru ti siru sisiru waresiru</source>
        <translation>天知る地知る子知る我知る</translation>
    </message>
    <message>
        <source>81 dare mo siranai to omottemo, tenn mo ti mo anata mo watasi mo sitte iru. Fusei ha kanarazu roken suru</source>
        <translation>81.誰も知らないと思っても、天も地もあなたも私も知っている。不正は必ず露見する。</translation>
    </message>
    <message>
        <source>Nannji mennjyuu sirizoitekougennsurunakare</source>
        <translation>汝面従して退いて後言すること無かれ</translation>
    </message>
    <message>
        <source>83menn to mukatte ha sitagai, kage de warukuti wo iu youna koto wo site ha naranai</source>
        <translation>83.面と向かっては従い、陰で悪口を言うようなことをしてはならない。</translation>
    </message>
    <message>
        <source>Tanosimi ha kiwamu bekarazu</source>
        <translation>楽しみは極むべからず</translation>
    </message>
    <message>
        <source>85.Tanosimi mo hodohodo ga yoi. Kiwamete simau to kanarazu kanasimi ga otozureru</source>
        <translation>85.楽しみもほどほどがよい。極めてしまうと必ず悲しみが訪れる。</translation>
    </message>
    <message>
        <source>Hitonosei wo siru ha koreyorimo sassigatakihanasi</source>
        <translation>人の性を知るは焉より察し難きは莫し</translation>
    </message>
    <message>
        <source>87 hito no honnsyou wo miwakeru koto hodo muzukasii mono ha nai</source>
        <translation>87.人の本性を見分けることほど難しいものはない。</translation>
    </message>
    <message>
        <source>kaiyorihajimeyo</source>
        <translation>隗より始めよ</translation>
    </message>
    <message>
        <source>88mazu iidasita jibunn kara jikkou seyo. Tikaku no tiisana koto kara hajimeyo</source>
        <translation>88.まず言い出した自分から実行せよ。身近な小さなことから始めよ。</translation>
    </message>
    <message>
        <source>Furu ki wo tazunete atarasiki wosirebamotte sitarubesi</source>
        <translation>故きを温ねて新しきを知れば以て師と為るべし</translation>
    </message>
    <message>
        <source>90.Mukasi no koto wo yoku manabi, soko kara atarasii douri wo mitukeru hito koso, hito no si to naru</source>
        <translation>90.昔のことをよく学び、そこから新しい道理を見つける人こそ、人の師となる。</translation>
    </message>
    <message>
        <source>Saiou ga uma</source>
        <translation>塞翁が馬</translation>
    </message>
    <message>
        <source>92 jinnsei no kouunn ya fuunn ha yosoku dekinai. Wazawai ga fuku ni, fuku ga wazawai ni kawaru koto mo aru</source>
        <translation>92.人生の幸運や不運は予測できない。災いが福に、福が災いに変わることもある。</translation>
    </message>
    <message>
        <source>kuwawoyubisasite ennjyu wo nonosiru</source>
        <translation>桑を指して槐を罵る</translation>
    </message>
    <message>
        <source>93kuwa wo sasinagara ennjyu wo nonosiru youni, tyokusetu iwazu ni betu no mono wo toosite aite wo hinann suru</source>
        <translation>93.桑を指しながら槐を罵るように、直接言わずに別のものにかこつけて相手を非難する。</translation>
    </message>
    <message>
        <source>syunnsyuu ni gisenn nasi</source>
        <translation>春秋に義戦なし</translation>
    </message>
    <message>
        <source>95 syuusyuujidaini seigino tatakaihanakatta</source>
        <translation>95.春秋時代に正義の戦いはなかった。</translation>
    </message>
    <message>
        <source>jinnsei no daibyou ha tada koreituno gou no moji nari</source>
        <translation>人生の大病は只だ是れ一の傲の字なり</translation>
    </message>
    <message>
        <source>96.Jinnsei no ookina yamai ha tada hitotu, gouman no ogori de aru</source>
        <translation>96.人生の大きな病はただ一つ、「傲」の一字、すなわち傲慢である。</translation>
    </message>
    <message>
        <source>taiki ha bannseisu</source>
        <translation>大器は晩成す</translation>
    </message>
    <message>
        <source>97.kane ya kanae noyouna</source>
        <translation>97.鐘や鼎のような大きな器は簡単には出来上がらない。大人物も時間をかけて力を蓄え、遅れて大成する。</translation>
    </message>
    <message>
        <source>Todays maxim</source>
        <translation>今日の格言</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
</context>
<context>
    <name>Maxim_Word_Ja</name>
    <message>
        <source>1.Omoitukuhito</source>
        <translation>1.思いつく人</translation>
    </message>
    <message>
        <source>Hitto gaderuto</source>
        <translation>ヒットが出ると</translation>
    </message>
    <message>
        <source>2.Naritaijibun</source>
        <translation>2.なりたい自分</translation>
    </message>
    <message>
        <source>Naritaijibun ha</source>
        <translation>なりたい自分は</translation>
    </message>
    <message>
        <source>3.Kisu no kotu ha</source>
        <translation>3.キスのコツは</translation>
    </message>
    <message>
        <source>tyusya</source>
        <translation>注射</translation>
    </message>
    <message>
        <source>4.Kamisama mo</source>
        <translation>4.神様も</translation>
    </message>
    <message>
        <source>Kamisama ha sisei noiihitokaratasukeru</source>
        <translation>神様は姿勢のいい人から助ける</translation>
    </message>
    <message>
        <source>5.Mayottara koe wo dasou</source>
        <translation>5.迷ったら声を出そう</translation>
    </message>
    <message>
        <source>Mayoi ga aruto koe gatiisai</source>
        <translation>迷いがあると声が小さい</translation>
    </message>
    <message>
        <source>6.Honraimotteruhadou</source>
        <translation>6.本来持ってる波動</translation>
    </message>
    <message>
        <source>Nayamukoto ha waruikotodehanai</source>
        <translation>悩むことは悪いことではない</translation>
    </message>
    <message>
        <source>7.Bunsyou no kakikatade</source>
        <translation>7.文章の書き方で</translation>
    </message>
    <message>
        <source>Ketudann ha</source>
        <translation>決断は</translation>
    </message>
    <message>
        <source>8.Ima nojibunn ni</source>
        <translation>8.今の自分に</translation>
    </message>
    <message>
        <source>Ima naniwositaraiikawakaranai</source>
        <translation>今何をしたらいいかわからない</translation>
    </message>
    <message>
        <source>9.Tiisana sigoto wosuruhitoga ookinasigoto</source>
        <translation>9.小さな仕事をする人が大きな仕事</translation>
    </message>
    <message>
        <source>OOkinasigoto wositaihitoga</source>
        <translation>大きな仕事をしたい人が</translation>
    </message>
    <message>
        <source>10.Menndou kusaitanomaregoto</source>
        <translation>10.面倒くさい頼まれごと</translation>
    </message>
    <message>
        <source>Menndokusaitanomaregoto</source>
        <translation>面倒くさい頼まれごと</translation>
    </message>
    <message>
        <source>11.Kamisama ha situkoi</source>
        <translation>11.神様はしつこい</translation>
    </message>
    <message>
        <source>kamisama ha doryokusiteruhito wonigasanai</source>
        <translation>神様は努力してる人を逃さない</translation>
    </message>
    <message>
        <source>12.anata ha toire</source>
        <translation>12.あなたはトイレ</translation>
    </message>
    <message>
        <source>Anata ga toire</source>
        <translation>あなたがトイレ</translation>
    </message>
    <message>
        <source>13.Syanai de itiban</source>
        <translation>13.社内で一番</translation>
    </message>
    <message>
        <source>Syanai de itiban womezasunara</source>
        <translation>社内で一番を目指すなら</translation>
    </message>
    <message>
        <source>14.Jinseino to-namennto</source>
        <translation>14.人生のトーナメント</translation>
    </message>
    <message>
        <source>Arayuru sports</source>
        <translation>あらゆるスポーツ</translation>
    </message>
    <message>
        <source>15.yosenn wo mennjyosite</source>
        <translation>15.予選を免除して</translation>
    </message>
    <message>
        <source>Dousitara seikoudekimasuka</source>
        <translation>どうしたら成功できますか？</translation>
    </message>
    <message>
        <source>16.Ki wonuita kasitu ha</source>
        <translation>16.気を抜いた過失は</translation>
    </message>
    <message>
        <source>sippai ni ha</source>
        <translation>失敗には</translation>
    </message>
    <message>
        <source>17.Kamennraiza-</source>
        <translation>17.仮面ライダー</translation>
    </message>
    <message>
        <source>kamennraiza- ha akusyonn to tomoni</source>
        <translation>仮面ライダーはアクションとともに</translation>
    </message>
    <message>
        <source>18.Tukaretara</source>
        <translation>18.疲れたら</translation>
    </message>
    <message>
        <source>Tukareta tokiha amaimono to syoppaimono</source>
        <translation>疲れたときは甘いものとしょっぱいもの</translation>
    </message>
    <message>
        <source>19.Hariwood no priducer ha</source>
        <translation>19.ハリウッドのプロデューサーは</translation>
    </message>
    <message>
        <source>Harywood mo eigakann toku</source>
        <translation>ハリウッドも映画館で得をする</translation>
    </message>
    <message>
        <source>20.Sokosoko noseikou</source>
        <translation>20.そこそこの成功</translation>
    </message>
    <message>
        <source>Daredemo seikou</source>
        <translation>誰でも成功</translation>
    </message>
    <message>
        <source>21Unn ga warukattara</source>
        <translation>21.運が悪かったら</translation>
    </message>
    <message>
        <source>Sppai sita</source>
        <translation>失敗した</translation>
    </message>
    <message>
        <source>22Hariuddo</source>
        <translation>22.ハリウッド</translation>
    </message>
    <message>
        <source>Eiga</source>
        <translation>映画</translation>
    </message>
    <message>
        <source>23Otikonndemo</source>
        <translation>23.落ち込んでも</translation>
    </message>
    <message>
        <source>Haitoiuhennji</source>
        <translation>「はい」という返事</translation>
    </message>
    <message>
        <source>24Matigatteiru</source>
        <translation>24.間違っている</translation>
    </message>
    <message>
        <source>Nayanndeiru</source>
        <translation>悩んでいる</translation>
    </message>
    <message>
        <source>25Jibunn notameni</source>
        <translation>25.自分のために</translation>
    </message>
    <message>
        <source>Jibunn notameninarukoto</source>
        <translation>自分のためになること</translation>
    </message>
    <message>
        <source>26Kanpeki nisiyoutosuru hito</source>
        <translation>26.完璧にしようとする人</translation>
    </message>
    <message>
        <source>nani modekinai</source>
        <translation>何もできない</translation>
    </message>
    <message>
        <source>27Dousurebaiika</source>
        <translation>27.どうすればいいか</translation>
    </message>
    <message>
        <source>Kaisyawo yametaihito</source>
        <translation>会社を辞めたい人</translation>
    </message>
    <message>
        <source>28Umakuikuka</source>
        <translation>28.うまくいくか</translation>
    </message>
    <message>
        <source>Kaisya wo yameyou to</source>
        <translation>会社を辞めようと</translation>
    </message>
    <message>
        <source>29Seisyunnha</source>
        <translation>29.青春は</translation>
    </message>
    <message>
        <source>Mou seisyunn ha owatta</source>
        <translation>もう青春は終わった</translation>
    </message>
    <message>
        <source>30Honn tou no syosinnsya hainai</source>
        <translation>30.本当の初心者はいない</translation>
    </message>
    <message>
        <source>sports demo syumi</source>
        <translation>スポーツでも趣味</translation>
    </message>
    <message>
        <source>31Sono sports</source>
        <translation>31.そのスポーツ</translation>
    </message>
    <message>
        <source>subetenokaisya</source>
        <translation>すべての会社</translation>
    </message>
    <message>
        <source>32Sugoi to iware naiutiha</source>
        <translation>32.すごいと言われないうちは</translation>
    </message>
    <message>
        <source>Seikousite</source>
        <translation>成功して</translation>
    </message>
    <message>
        <source>33kakiatumeruhito</source>
        <translation>33.かき集める人</translation>
    </message>
    <message>
        <source>Okane mo</source>
        <translation>お金も</translation>
    </message>
    <message>
        <source>34Katou to suruhito ha katenai</source>
        <translation>34.勝とうとする人は勝てない</translation>
    </message>
    <message>
        <source>dareka ni katou to sitemo katukoto hadekinai</source>
        <translation>誰かに勝とうとしても勝つことはできない</translation>
    </message>
    <message>
        <source>35marumaru wosinnjinakattakoro</source>
        <translation>35.○○を信じなかった頃</translation>
    </message>
    <message>
        <source>marumaru wo sinnjinakatta koro to ierutoiukotoha</source>
        <translation>○○を信じなかった頃と言えるということは</translation>
    </message>
    <message>
        <source>36waru mono de ha naku waru yaku ni narou</source>
        <translation>36.悪者ではなく悪役になろう</translation>
    </message>
    <message>
        <source>warumo mono to waruyaku ha tigaimasu</source>
        <translation>悪者と悪役は違います</translation>
    </message>
    <message>
        <source>37Jinnsei no kinnko ni kagi ha nai</source>
        <translation>37.人生の金庫に鍵はない</translation>
    </message>
    <message>
        <source>Daredemo kinnkaiya satutaba wo te niiretai</source>
        <translation>誰でも金塊や札束を手に入れたい</translation>
    </message>
    <message>
        <source>38Yukkurikanemotininaru</source>
        <translation>38.ゆっくり金持ちになる</translation>
    </message>
    <message>
        <source>Kyu ni kanemoti ni naroutosuru</source>
        <translation>急に金持ちになろうとする</translation>
    </message>
    <message>
        <source>39Sippai sitemo</source>
        <translation>39.失敗しても</translation>
    </message>
    <message>
        <source>Jibunn no yatteirukotoha</source>
        <translation>自分のやっていることは</translation>
    </message>
    <message>
        <source>40Hito ga jibunn kara</source>
        <translation>40.人が自分から</translation>
    </message>
    <message>
        <source>Seikousiteru hito ha</source>
        <translation>成功してる人は</translation>
    </message>
    <message>
        <source>Todays maxim in Japan</source>
        <translation>今日の日本の格言</translation>
    </message>
    <message>
        <source>No=%1</source>
        <translation>番号：%1</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
</context>
<context>
    <name>Maxim_Word_Rand</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>No=%1</source>
        <translation>番号：%1</translation>
    </message>
    <message>
        <source>Chinese maxim at random</source>
        <translation>ランダムな中国の格言</translation>
    </message>
</context>
<context>
    <name>Maxim_Word_Rand_Ja</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>No=%1</source>
        <translation>番号：%1</translation>
    </message>
    <message>
        <source>Japanese maxim at random</source>
        <translation>ランダムな日本の格言</translation>
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
        <translation>心の痛手を乗り越えれば吉</translation>
    </message>
    <message>
        <source>your effort dipendents having is kichi</source>
        <translation>努力次第で吉</translation>
    </message>
    <message>
        <source>It has beleave is kichi</source>
        <translation>相手を信じれば吉</translation>
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
        <translation>注意報発令</translation>
    </message>
    <message>
        <source>Lose something get anything</source>
        <translation>損して得取れ</translation>
    </message>
    <message>
        <source>Only get out</source>
        <translation>出ていく一方</translation>
    </message>
    <message>
        <source>Only get out</source>
        <comment>trouble: walk away from it</comment>
        <translation>逃げるが勝ち</translation>
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
        <translation>学問：%1</translation>
    </message>
    <message>
        <source>money:%1</source>
        <translation>金運：%1</translation>
    </message>
    <message>
        <source>lover:%1</source>
        <translation>恋愛：%1</translation>
    </message>
    <message>
        <source>trouble:%1</source>
        <translation>悩み事：%1</translation>
    </message>
    <message>
        <source>No fortune set</source>
        <translation>運勢が未設定です</translation>
    </message>
    <message>
        <source>Digit %1</source>
        <translation>数字%1</translation>
    </message>
    <message>
        <source>Changing digit</source>
        <translation>変わっている数字</translation>
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
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
</context>
<context>
    <name>Settings_Screen</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Ring the hourly chime</source>
        <translation>時報を鳴らす</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>試聴</translation>
    </message>
    <message>
        <source>Quiet hours</source>
        <translation>鳴らさない時間帯</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>デスクトップと一緒に起動する</translation>
    </message>
    <message>
        <source>Put the clock back</source>
        <translation>時計を元の場所に戻す</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>From</source>
        <translation>始まり</translation>
    </message>
    <message>
        <source>To</source>
        <translation>終わり</translation>
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
        <translation>ソフト名：ゼルヴァーネ</translation>
    </message>
    <message>
        <source>Author:The Zelvane developers</source>
        <translation>作者：ゼルヴァーネ開発者一同</translation>
    </message>
    <message>
        <source>Version:version 1.00</source>
        <translation>バージョン：1.00</translation>
    </message>
    <message>
        <source>URL:https://zelvane.example.org/</source>
        <translation>URL：https://zelvane.example.org/</translation>
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
