// SPDX-License-Identifier: GPL-3.0-or-later
#include "maxim/chinese_maxims.h"

#include <QCoreApplication>

// Position 2n holds the heading of entry n, position 2n + 1 its text. The
// literals stand in the context "Maxim_Word" so that lupdate lists every one of
// them for the catalogue, though they are translated only at run time.
// clang-format off
const char *const source[] = {
    // 0
    QT_TRANSLATE_NOOP("Maxim_Word", "Hijyouhatokunomotonari"),
    QT_TRANSLATE_NOOP("Maxim_Word", "Kenjyou koso Toku no kihon de aru"),
    // 1
    QT_TRANSLATE_NOOP("Maxim_Word", "Shusinmitiwo yuzurumohyappowo magezu"),
    QT_TRANSLATE_NOOP("Maxim_Word", "Shougainiwatatte mitiwoyuzuttatositemo sono goukeiha hyapponimo mitanai\n\nSyakaijintositeno Itibantaisetunasikaku,Kenjyou no kokoro"),
    // 2
    QT_TRANSLATE_NOOP("Maxim_Word", "Ti ha wazawai wo manukaruru wo tattobu"),
    QT_TRANSLATE_NOOP("Maxim_Word", "Ti womigakunaraba kikenkarami wo sakerukotogadekiru\n\nti toha fukaiyomi no dekirunouryoku\n\n sinjituno ti ha omotedattehyoumeisubekidehanai"),
    // 3
    QT_TRANSLATE_NOOP("Maxim_Word", "Hito nisite sinn nakuba,sonokanaru wo sirazarunari. daisya nigeinaku,\nsyousya ni getu nakunnba,sorenani wo nite korewo yarananya"),
    QT_TRANSLATE_NOOP("Maxim_Word", "Hito ni sinnyou ga nakereba nanimo dekinai. Kuruma ni kubiki wo tunagu kanagu ga nakereba ugokanai noto onaji de aru"),
    // 4
    QT_TRANSLATE_NOOP("Maxim_Word", "Sekisinn wo osite Hitono fukutyuuni oku"),
    QT_TRANSLATE_NOOP("Maxim_Word", "Magokoro wo sarakedasite aite wo sinnjireba, hito mo kokoro wo hiraite tukusite kureru"),
    // 5
    QT_TRANSLATE_NOOP("Maxim_Word", "Kafuku ha mon nasi, Tadahitonomanekutokoronari"),
    QT_TRANSLATE_NOOP("Maxim_Word", "Wazawai mo siawase mo kimatta iriguti ha nai. Subete sono hito no okonai ga maneku mono de aru"),
    // 6
    QT_TRANSLATE_NOOP("Maxim_Word", "Mizuitattekiyokerebauonasi"),
    QT_TRANSLATE_NOOP("Maxim_Word", "Amari ni keppeki sugiruto hito ha tikayoranai. Sukosi no nigori wo yurusu kokoro ga hituyou"),
    // 7
    QT_TRANSLATE_NOOP("Maxim_Word", "Kunsi ha gi nisatori shouninn ha ri nisatoru"),
    QT_TRANSLATE_NOOP("Maxim_Word", "Rippa na hito ha nani ga tadasii ka wo kangae, syoujinn ha nani ga toku ka bakari wo kangaeru"),
    // 8
    QT_TRANSLATE_NOOP("Maxim_Word", "Jyousi ha susumigatakusitesirizokiyasusi. sonotugi hasusumiyasukusitesirizokiyasusi.sono sita ha susumiyasukusite sirizokiyasusi"),
    QT_TRANSLATE_NOOP("Maxim_Word", "Mottomosuguretajinnbutuha suikyosaretemoyouiniukenaiga yamerutoki hakireini mi wohiku.sonotuginokurasu ha suikyosarerutoyorokonndeouji yamerutokiha assarihiku saiteinokurasu ha suikyosareru to yorokonnde oujiru ga yamerutoki hayameyoutosinaininngennde aru"),
    // 9
    QT_TRANSLATE_NOOP("Maxim_Word", "Rou yori syou wo mireba motte bonntikakuti no kokoro wokesubesi"),
    QT_TRANSLATE_NOOP("Maxim_Word", "Tosiyori no me de wakasa wo mireba, hasirimawari kisoiau kokoro ha munasiku omoete kieru"),
    // 10
    QT_TRANSLATE_NOOP("Maxim_Word", "Taiti ha ti narazu"),
    QT_TRANSLATE_NOOP("Maxim_Word", "Hontou ni kasikoi hito ha tie wo hikerakasazu, ikken orokani mieru"),
    // 11
    QT_TRANSLATE_NOOP("Maxim_Word", "Kunnsiomokarazareba sunawatiiarazu.manabeba sunawati ko narazu."),
    QT_TRANSLATE_NOOP("Maxim_Word", "Jinnbutu ni omomi ga nakereba ifuu ha nai. Manabeba kangae ga katakuna ni naranai"),
    // 12
    QT_TRANSLATE_NOOP("Maxim_Word", "ikkyoku ni oowarete dairi ni kurasi"),
    QT_TRANSLATE_NOOP("Maxim_Word", "Hitotu no mikata ni torawareruto, zentai no ookina douri ga mienaku naru"),
    // 13
    QT_TRANSLATE_NOOP("Maxim_Word", "kagyuukakujyounoarasoi"),
    QT_TRANSLATE_NOOP("Maxim_Word", "Tiisana sekai de tumaranai koto wo arasou orokasa. Katatumuri no tuno no ue no kuni dousi no sennsou"),
    // 14
    QT_TRANSLATE_NOOP("Maxim_Word", "tuti ha onore wo sirazarunikussi onorewosiruni nobu"),
    QT_TRANSLATE_NOOP("Maxim_Word", "Jibunn wo rikai sinai hito no mae deha kussuru ga, rikai site kureru hito no moto deha sainou wo nobinobi hakki suru"),
    // 15
    QT_TRANSLATE_NOOP("Maxim_Word", "Kousi no kou ha sonnbou no motonari"),
    QT_TRANSLATE_NOOP("Maxim_Word", "Ooyake to watakusi no kejime wo dou tukeru ka ga, kuni ga sakaeru ka horobiru ka no konponn de aru"),
    // 16
    QT_TRANSLATE_NOOP("Maxim_Word", "Hei no tairitu ha kinn ni ari"),
    QT_TRANSLATE_NOOP("Maxim_Word", "Guntai de mottomo taisetu na okite ha, kinnrei wo mamorasete kiritu wo tadasu koto de aru"),
    // 17
    QT_TRANSLATE_NOOP("Maxim_Word", "Syou ni  kyu nisite hai wo wasusururu kotonakare"),
    QT_TRANSLATE_NOOP("Maxim_Word", "Katou to aseru amari, makeru kanousei wo wasurete ha naranai"),
    // 18
    QT_TRANSLATE_NOOP("Maxim_Word", "kare wo siri onore wo sireba hyakusennsite ayaubekarazu"),
    QT_TRANSLATE_NOOP("Maxim_Word", "Aite no koto mo jibunn no koto mo yoku sitteireba, nanndo tatakattemo abunaku naru koto ha nai"),
    // 19
    QT_TRANSLATE_NOOP("Maxim_Word", "Issyu hitori utu ha tuyosi to iedomo koenasi"),
    QT_TRANSLATE_NOOP("Maxim_Word", "Katate dake deha ikura hayaku utte mo oto ha denai. Nanigoto mo kyouryoku suru aite ga hituyou"),
    // 20
    QT_TRANSLATE_NOOP("Maxim_Word", "Fuuki ni site kokyou ni kaerazaru ha syuu wo kite yoruikugagotosi"),
    QT_TRANSLATE_NOOP("Maxim_Word", "31seikou nisite"),
    // 21
    QT_TRANSLATE_NOOP("Maxim_Word", "koutogemisirizoku ha tenn no mitinari"),
    QT_TRANSLATE_NOOP("Maxim_Word", "32.Kouseki wo agetara tii ni sigamitukazu mi wo hiku noga tenn no douri de aru"),
    // 22
    QT_TRANSLATE_NOOP("Maxim_Word", "jyoujinn ha kosyu niannji gakusya ha kikutokoroni oboru"),
    QT_TRANSLATE_NOOP("Maxim_Word", "33 heibonn na hito ha furui syuukann ni annjuusi, gakusya ha jibunn no naratta tisiki ni oboreru"),
    // 23
    QT_TRANSLATE_NOOP("Maxim_Word", "kousei osorubesi"),
    QT_TRANSLATE_NOOP("Maxim_Word", "35wakamono ha doryoku sidai de donnani sugureta jinnbutu ni naruka wakaranai. Keibetu sezu osorerubeki de aru"),
    // 24
    QT_TRANSLATE_NOOP("Maxim_Word", "Saisyou ha saiji ni sitasimazu"),
    QT_TRANSLATE_NOOP("Maxim_Word", "36.Ue ni tatu mono ha komakai koto ni kuti wo dasazu, ookina koto ni sennnenn subeki de aru"),
    // 25
    QT_TRANSLATE_NOOP("Maxim_Word", "Yokuikumono ha tetteki nasi"),
    QT_TRANSLATE_NOOP("Maxim_Word", "38 hontou ni jyouzu ni okonau hito ha, wadati no youna muri no ato wo nokosanai"),
    // 26
    QT_TRANSLATE_NOOP("Maxim_Word", "kasei ha tora yorimo takesi"),
    QT_TRANSLATE_NOOP("Maxim_Word", "40kibisii seiji ha hito wo kuu tora yori mo osorosii"),
    // 27
    QT_TRANSLATE_NOOP("Maxim_Word", "Syakuroku no yo rutokoro hasonnbou no ki nari"),
    QT_TRANSLATE_NOOP("Maxim_Word", "43.syakuroku ha syakui to houroku"),
    // 28
    QT_TRANSLATE_NOOP("Maxim_Word", "Ri niyorite okonaeba urami oosi"),
    QT_TRANSLATE_NOOP("Maxim_Word", "44.Jibunn no ritoku bakari wo kangaete koudou suruto, hito kara urami wo kau koto ga ooi"),
    // 29
    QT_TRANSLATE_NOOP("Maxim_Word", "Manabite omowazareba sunawati kurasi"),
    QT_TRANSLATE_NOOP("Maxim_Word", "45 manabu dake de jibunn de kangaenakereba, tisiki ha mi ni tukazu hakkiri sinai"),
    // 30
    QT_TRANSLATE_NOOP("Maxim_Word", "ikunikomiti ni yorazu"),
    QT_TRANSLATE_NOOP("Maxim_Word", "47tikamiti ya nukemiti wo sezu, tuneni seidou wo ayumu"),
    // 31
    QT_TRANSLATE_NOOP("Maxim_Word", "kokoro koko ni arazareba miredomo miezu"),
    QT_TRANSLATE_NOOP("Maxim_Word", "48.Kokoro ga syuutyuu site inakereba, me no mae ni aru mono mo mienai"),
    // 32
    QT_TRANSLATE_NOOP("Maxim_Word", "osiefuruha manabu no nakaba nari"),
    QT_TRANSLATE_NOOP("Maxim_Word", "50 hito ni osieru koto ha, jibunn ga manabu koto no hannbunn ni ataru"),
    // 33
    QT_TRANSLATE_NOOP("Maxim_Word", "kyusureba sunawatihennzu. hennsureba sunawatituuzu"),
    QT_TRANSLATE_NOOP("Maxim_Word", "51yukizumareba jyoukyou ha kawari, kawareba aratana miti ga hirakeru"),
    // 34
    QT_TRANSLATE_NOOP("Maxim_Word", "Urami ni mukuiru ni toku wo mottesu"),
    QT_TRANSLATE_NOOP("Maxim_Word", "53.Urami wo motu aite nimo, sikaesi dehanaku zenni de kotaeru"),
    // 35
    QT_TRANSLATE_NOOP("Maxim_Word", "kyo ha ki wo utusu"),
    QT_TRANSLATE_NOOP("Maxim_Word", "54 sumu basyo ya kannkyou ha, hito no kimoti ya seikaku wo kaete simau"),
    // 36
    QT_TRANSLATE_NOOP("Maxim_Word", "ayamatite aratamezaru korrewo ayamatitoiu"),
    QT_TRANSLATE_NOOP("Maxim_Word", "55ayamati wo okasite naosanai koto koso, hontou no ayamati de aru"),
    // 37
    QT_TRANSLATE_NOOP("Maxim_Word", "Hitono onore wosirazaru wo ure ezu hito wosirazaruwo ureu"),
    QT_TRANSLATE_NOOP("Maxim_Word", "57.Hito ga jibunn wo mitomete kurenai koto wo nagekazu, jibunn ga hito wo minukenai koto wo sinnpai seyo"),
    // 38
    QT_TRANSLATE_NOOP("Maxim_Word", "Ennjyakuizukunnzokoukokuno si wo sirannya"),
    QT_TRANSLATE_NOOP("Maxim_Word", "58 tiisana tori ni ookina tori no kokorozasi ga wakaranai youni, syoujinn niha eiyuu no omoi ha rikai dekinai"),
    // 39
    QT_TRANSLATE_NOOP("Maxim_Word", "ninngeki no 2 mojiha korekafukuno kann nari"),
    QT_TRANSLATE_NOOP("Maxim_Word", "60gaman suru ka kattonaru ka, sono sennntaku ga siawase to wazawai no wakaremiti de aru"),
    // 40
    QT_TRANSLATE_NOOP("Maxim_Word", "Sei aitikasi,narai aitoosi"),
    QT_TRANSLATE_NOOP("Maxim_Word", "61.Umaretuki no seisitu ha dare mo sahodo kawaranai ga, syuukann ya kyouiku de ookiku sa ga tuku"),
    // 41
    QT_TRANSLATE_NOOP("Maxim_Word", "Onore no hossezarutokoro ha hito nihodokosukotonakare"),
    QT_TRANSLATE_NOOP("Maxim_Word", "63 jibunn ga sarete iya na koto ha, hito nimo site ha naranai"),
    // 42
    QT_TRANSLATE_NOOP("Maxim_Word", "Onore ni sikazaru monowotomotosurunakare"),
    QT_TRANSLATE_NOOP("Maxim_Word", "64jibunn yori otoru hito bakari wo tomo ni suruto, jibunn mo seityou sinai"),
    // 43
    QT_TRANSLATE_NOOP("Maxim_Word", "kurumono ha kobamazu sarumono ha owazu"),
    QT_TRANSLATE_NOOP("Maxim_Word", "66.Tazunete kuru hito ha kobamazu ukeire, sarou to suru hito ha hikitomenai"),
    // 44
    QT_TRANSLATE_NOOP("Maxim_Word", "keidaku ha kanarazusinnsukunasi"),
    QT_TRANSLATE_NOOP("Maxim_Word", "67 karugaru to hikiukeru yakusoku ha, kanarazu to itte yoi hodo mamorarenai"),
    // 45
    QT_TRANSLATE_NOOP("Maxim_Word", "i ha aratanaru si ha naku hito ha furuki niwakaku hanasi"),
    QT_TRANSLATE_NOOP("Maxim_Word", "69kimono ha atarasii mono ga yoi ga, hito ha furuku kara no tomo ga itiban yoi"),
    // 46
    QT_TRANSLATE_NOOP("Maxim_Word", "kunnsi no majiwari ha awakikoto mizunogotosi"),
    QT_TRANSLATE_NOOP("Maxim_Word", "70.Rippa na hito no tukiai ha mizu no youni assari site iru ga, nagaku kawaranai"),
    // 47
    QT_TRANSLATE_NOOP("Maxim_Word", "ennsui ha kinnka wo sukuwazu"),
    QT_TRANSLATE_NOOP("Maxim_Word", "72 tooku no mizu deha tikaku no kaji wo kesenai. Tooku no tasuke ha kyuu no ma ni awanai"),
    // 48
    QT_TRANSLATE_NOOP("Maxim_Word", "Tomo to majiwaru niha subekaraku sannbunn no kyouki wo oubesi"),
    QT_TRANSLATE_NOOP("Maxim_Word", "73tomo to tukiau niha, tomo no tame ni hitohada nugu ninnkyou no kokoro wo sukosi ha motubeki de aru"),
    // 49
    QT_TRANSLATE_NOOP("Maxim_Word", "Tomo ari ennpouyorikitaru matatanosikarazuya"),
    QT_TRANSLATE_NOOP("Maxim_Word", "75.Tooku kara tomo ga tazunete kite kureru, nanto tanosii koto de arou ka"),
    // 50
    QT_TRANSLATE_NOOP("Maxim_Word", "mazu sonogen wo okonaite sikarunoti ni kore wo sitagau"),
    QT_TRANSLATE_NOOP("Maxim_Word", "76 kuti ni dasu mae ni mazu jikkou si, sono ato de kotoba wo sore ni awaseru"),
    // 51
    QT_TRANSLATE_NOOP("Maxim_Word", "si mo sita ni oyobazu"),
    QT_TRANSLATE_NOOP("Maxim_Word", "78hitotabi kuti kara deta kotoba ha, yonntoudate no basya de oikaketemo torikesenai"),
    // 52
    QT_TRANSLATE_NOOP("Maxim_Word", "sennjyou no tutumi mo rougi no ana wo motte tuiyu"),
    QT_TRANSLATE_NOOP("Maxim_Word", "80.Ookina tutumi mo ari no ana hitotu kara kuzureru. Tiisana yudann ga ookina sippai wo maneku"),
    // 53
    QT_TRANSLATE_NOOP("Maxim_Word", "tennsiru ti siru sisiru waresiru"),
    QT_TRANSLATE_NOOP("Maxim_Word", "81 dare mo siranai to omottemo, tenn mo ti mo anata mo watasi mo sitte iru. Fusei ha kanarazu roken suru"),
    // 54
    QT_TRANSLATE_NOOP("Maxim_Word", "Nannji mennjyuu sirizoitekougennsurunakare"),
    QT_TRANSLATE_NOOP("Maxim_Word", "83menn to mukatte ha sitagai, kage de warukuti wo iu youna koto wo site ha naranai"),
    // 55
    QT_TRANSLATE_NOOP("Maxim_Word", "Tanosimi ha kiwamu bekarazu"),
    QT_TRANSLATE_NOOP("Maxim_Word", "85.Tanosimi mo hodohodo ga yoi. Kiwamete simau to kanarazu kanasimi ga otozureru"),
    // 56
    QT_TRANSLATE_NOOP("Maxim_Word", "Hitonosei wo siru ha koreyorimo sassigatakihanasi"),
    QT_TRANSLATE_NOOP("Maxim_Word", "87 hito no honnsyou wo miwakeru koto hodo muzukasii mono ha nai"),
    // 57
    QT_TRANSLATE_NOOP("Maxim_Word", "kaiyorihajimeyo"),
    QT_TRANSLATE_NOOP("Maxim_Word", "88mazu iidasita jibunn kara jikkou seyo. Tikaku no tiisana koto kara hajimeyo"),
    // 58
    QT_TRANSLATE_NOOP("Maxim_Word", "Furu ki wo tazunete atarasiki wosirebamotte sitarubesi"),
    QT_TRANSLATE_NOOP("Maxim_Word", "90.Mukasi no koto wo yoku manabi, soko kara atarasii douri wo mitukeru hito koso, hito no si to naru"),
    // 59
    QT_TRANSLATE_NOOP("Maxim_Word", "Saiou ga uma"),
    QT_TRANSLATE_NOOP("Maxim_Word", "92 jinnsei no kouunn ya fuunn ha yosoku dekinai. Wazawai ga fuku ni, fuku ga wazawai ni kawaru koto mo aru"),
    // 60
    QT_TRANSLATE_NOOP("Maxim_Word", "kuwawoyubisasite ennjyu wo nonosiru"),
    QT_TRANSLATE_NOOP("Maxim_Word", "93kuwa wo sasinagara ennjyu wo nonosiru youni, tyokusetu iwazu ni betu no mono wo toosite aite wo hinann suru"),
    // 61
    QT_TRANSLATE_NOOP("Maxim_Word", "syunnsyuu ni gisenn nasi"),
    QT_TRANSLATE_NOOP("Maxim_Word", "95 syuusyuujidaini seigino tatakaihanakatta"),
    // 62
    QT_TRANSLATE_NOOP("Maxim_Word", "jinnsei no daibyou ha tada koreituno gou no moji nari"),
    QT_TRANSLATE_NOOP("Maxim_Word", "96.Jinnsei no ookina yamai ha tada hitotu, gouman no ogori de aru"),
    // 63
    QT_TRANSLATE_NOOP("Maxim_Word", "taiki ha bannseisu"),
    QT_TRANSLATE_NOOP("Maxim_Word", "97.kane ya kanae noyouna"),
};
// clang-format on

Maxim_Catalogue chinese_maxims("Maxim_Word", source);
