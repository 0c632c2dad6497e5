// The income and deduction code dictionary of tax year 2014, as the XML text built into the
// program. It is kept here in UTF-8 for reading and turned into the Windows-1251 text with CR LF
// line ends on first use. Names keep their own spacing: trailing blanks (903, 314) and double
// blanks (2610, 2740) are part of the data.
#include <string>

#include "core/common/codec.h"
#include "core/directories/income_dictionary.h"

namespace kvor {

namespace {

constexpr const char* kIncomeDictionaryUtf8 = R"xml(<?xml version="1.0" encoding="windows-1251"?>
<IncomeDict>
  <Income Stav="9" Code="1010" Name="Дивиденды и проценты (пп.1 п.1 ст.208 ст.214 НК)">
    <Deduction Code="601" Name="Сумма, уменьшающая налоговую базу по доходам в виде дивидендов" Stav=" " Visible="True" Enabled="True" Equivalent="False" MaxSum="0"/>
    <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/>
  </Income>
  <Income Stav="13" Code="1011" Name="Проценты (за исключением процентов по облигациям с ипотечным покрытием, эмитированным до 01.01.2007)"/>
  <Income Stav="9" Code="1110" Name="Проценты по облигациям с ипотечным покрытием, эмитированным до 01.01.2007"/>
  <Income Stav="9" Code="1120" Name="Доходы учредителей дов. управления ипотечным покрытием, полученные на основании приобретения ипотечных сертификатов участия, выданных управляющим ипотечным покрытием до 01.01.2007"/>
  <Income Stav="13" Code="1200" Name="Страховые выплаты (пп.2 п.1 ст.208 НК РФ)"/>
  <Income Stav="13" Code="1201" Name="Доходы, полученные в виде страховых выплат по договорам страхования в виде оплаты стоимости санаторно-курортных путевок"/>
  <Income Stav="13" Code="1202" Name="Доходы, полученные в виде страховых выплат, выплачиваемых по договорам добровольного страхования жизни"/>
  <Income Stav="13" Code="1203" Name="Доходы, полученные в виде страховых выплат по договорам добровольного имущественного страхования"/>
  <Income Stav="13" Code="1211" Name="Страховые (пенсионные) взносы за ФЛ (п.3 ст.213 НК)"/>
  <Income Stav="13" Code="1212" Name="Доходы в виде денежных (выкупных) сумм, выплачиваемых по договорам страхования (кроме договоров добровольного пенсионного страхования), подлежащих выплате при досрочном расторжении договоров страхования"/>
  <Income Stav="13" Code="1213" Name="Доходы в виде денежных (выкупных) сумм по договору добровольного пенсионного страхования за вычетом сумм страховых взносов, выплачиваемые в случае его расторжения"/>
  <Income Stav="13" Code="1214" Name="Доходы в виде денежных (выкупных) сумм по договору добровольного пенсионного страхования в части сумм страховых взносов, выплачиваемые в случае его расторжения"/>
  <Income Stav="13" Code="1220" Name="Выкупные суммы по договорам негос. пенс. обеспечения за вычетом сумм платежей"/>
  <Income Stav="13" Code="1230" Name="Выкупные суммы по договорам негос. пенс. обеспечения в части сумм платежей"/>
  <Income Stav="13" Code="1240" Name="Пенсии, выплачиваемые по договорам негос. пенс. обеспечения"/>
  <Income Stav="13" Code="1300" Name="Доходы, полученные от использования авторских или иных смежных прав"/>
  <Income Stav="13" Code="1301" Name="Доходы, полученные от отчуждения авторских или иных смежных прав"/>
  <Income Stav="13" Code="1400" Name="Доходы от аренды или др. исп. имущества (кроме тр-та. и связи)"/>
  <Income Stav="13" Code="1510" Name="Доходы от реализации недвижимого имущества (кроме долей)" SaleDate="True">
    <Deduction Code="901" Name="Продажа имущ-ва, наход-ся в собст-ти менее 3 лет (в пределах 1 000 000 руб.)" Stav=" " Visible="True" Enabled="False" Equivalent="True" MaxSum="1000000"/>
    <Deduction Code="903" Name="В сумме документально подтвержденных расходов " Stav=" " Visible="True" Enabled="True" Equivalent="False" MaxSum="0"/>
    <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/>
  </Income>
  <Income Stav="13" Code="1511" Name="Доходы от реализации доли недвижимого имущества" SaleDate="True">
    <Deduction Code="904" Name="Продажа доли имущ-ва, наход-ся в собст-ти менее 3 лет (в пределах 1 000 000 руб. х долю)" Stav=" " Visible="True" Enabled="True" Equivalent="False" MaxSum="1000000"/>
    <Deduction Code="903" Name="В сумме документально подтвержденных расходов " Stav=" " Visible="True" Enabled="True" Equivalent="False" MaxSum="0"/>
    <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/>
  </Income>
  <Income Stav="13" Code="1520" Name="Доходы от реализации иного имущества (доли) кроме ЦБ" SaleDate="True">
    <Deduction Code="906" Name="Продажа имущ-ва, наход-ся в собст-ти менее 3 лет (в пределах 250 000 руб.)" Stav=" " Visible="True" Enabled="True" Equivalent="False" MaxSum="250000"/>
    <Deduction Code="903" Name="В сумме документально подтвержденных расходов " Stav=" " Visible="True" Enabled="True" Equivalent="False" MaxSum="0"/>
    <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/>
  </Income>
  <Income Stav="13" Code="1530" Name="Доходы от реализации ЦБ (обращ-ся на орг. рынке ЦБ)" SaleDate="True">
    <Deduction Code="201" Name="Расходы по операциям с ЦБ (обращ-ся на орг. рынке ЦБ)" Stav=" " Visible="True" Enabled="True" Equivalent="False" MaxSum="0"/>
    <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/>
  </Income>
  <Income Stav="13" Code="1536" Name="Доходы от реализации ЦБ (на момент приобретения обращ-ся на орг. рынке ЦБ)" SaleDate="True">
    <Deduction Code="203" Name="Расходы по операциям с ЦБ (на момент приобретения обращ-ся на орг. рынке ЦБ)" Stav=" " Visible="True" Enabled="True" Equivalent="False" MaxSum="0"/>
    <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/>
  </Income>
  <Income Stav="13" Code="1531" Name="Доходы от реализации ЦБ (не обращ-ся на орг. рынке ЦБ)" SaleDate="True">
    <Deduction Code="202" Name="Расходы по операциям с ЦБ (не обращ-ся на орг. рынке ЦБ)" Stav=" " Visible="True" Enabled="True" Equivalent="False" MaxSum="0"/>
    <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/>
  </Income>
  <Income Stav="13" Code="1532" Name="Доходы по оп-циям с фин. инстр. сроч. сделок (обращ-ся на орг. рынке ЦБ), баз. ак. по которым являются ЦБ" SaleDate="True">
    <Deduction Code="206" Name="Расходы по операциям с фин. инстр. сроч. сделок (обращ-ся на орг. рынке ЦБ)" Stav=" " Visible="True" Enabled="True" Equivalent="False" MaxSum="0"/>
    <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/>
  </Income>
  <Income Stav="13" Code="1535" Name="Доходы по оп-циям с фин. инстр. сроч. сделок (обращ-ся на орг. рынке ЦБ), баз. ак. по которым не являются ЦБ" SaleDate="True">
    <Deduction Code="207" Name="Расходы по операциям с фин. инстр. сроч. сделок (обращ-ся на орг. рынке ЦБ)" Stav=" " Visible="True" Enabled="True" Equivalent="False" MaxSum="0"/>
    <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/>
  </Income>
  <Income Stav="13" Code="1533" Name="Доходы по оп-циям с фин. инстр. сроч. сделок (не обращ-ся на орг. рынке ЦБ)" SaleDate="True">
    <Deduction Code="620" Name="Иные суммы, уменьшающие налоговую базу" Stav=" " Visible="True" Enabled="True" Equivalent="False" MaxSum="0"/>
    <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/>
  </Income>
  <Income Stav="13" Code="1537" Name="Доходы в виде процентов по займу по оп-циям РЕПО" SaleDate="True">
    <Deduction Code="211" Name="Расходы по оп-циям РЕПО, связанные с доходом в виде процентов по займу" Stav=" " Visible="True" Enabled="True" Equivalent="False" MaxSum="0"/>
    <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/>
  </Income>
  <Income Stav="13" Code="1538" Name="Доходы в виде процентов по договорам займа" SaleDate="True">
    <Deduction Code="215" Name="Расходы, связанные с доходом в виде процентов по займу" Stav=" " Visible="True" Enabled="True" Equivalent="False" MaxSum="0"/>
    <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/>
  </Income>
  <Income Stav="13" Code="1539" Name="Доходы по оп-циям РЕПО с открытием короткой позиции" SaleDate="True">
    <Deduction Code="213" Name="Расходы по оп-циям РЕПО с открытием короткой позиции" Stav=" " Visible="True" Enabled="True" Equivalent="False" MaxSum="0"/>
    <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/>
  </Income>
  <Income Stav="13" Code="1541" Name="Доходы от обмена ЦБ, переданных по первой части РЕПО" SaleDate="True">
    <Deduction Code="620" Name="Иные суммы, уменьшающие налоговую базу" Stav=" " Visible="True" Enabled="True" Equivalent="False" MaxSum="0"/>
    <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/>
  </Income>
  <Income Stav="13" Code="1540" Name="Доходы от реализации долей участия">
    <Deduction Code="315" Name="В сумме документально подтвержденных расходов" Stav=" " Visible="True" Enabled="True" Equivalent="False" MaxSum="0"/>
    <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/>
  </Income>
  <Income Stav="13" Code="1550" Name="Доходы от уступки прав требования по договору участия в долевом строительстве">
    <Deduction Code="314" Name="В сумме документально подтвержденных расходов " Stav=" " Visible="True" Enabled="True" Equivalent="False" MaxSum="0"/>
    <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/>
  </Income>
  <Income Stav="13" Code="2000" Name="Заработная плата и другие выплаты во исполнение трудового договора (кроме договоров ГП характера)" NRez13="True"/>
  <Income Stav="13" Code="2001" Name="Вознаграждения директоров и иные аналогичные выплаты" NRez13="True"/>
  <Income Stav="13" Code="2010" Name="Работы по договорам гражданско-правового характера (кроме авторских вознагрождений)" NRez13="True">
    <Deduction Code="403" Name="В сумме документально произведенных расходов" Stav=" " Visible="True" Enabled="True" Equivalent="False" MaxSum="0"/>
    <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/>
  </Income>
  <Income Stav="13" Code="2012" Name="Суммы отпускных выплат" NRez13="True"/>
  <Income Stav="13" Code="2201" Name="Авторские вознаграждения за создание литературных произведений">
    <Deduction Code="404" Name="В сумме документально произведенных расходов" Stav=" " Visible="True" Enabled="True" Equivalent="False" MaxSum="0"/>
    <Deduction Code="405" Name="В пределах норматива затрат" Stav="20" Visible="True" Enabled="False" Equivalent="False" MaxSum="0"/>
    <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/>
  </Income>
  <Income Stav="13" Code="2202" Name="Авторские вознаграждения за создание худ.-граф. произведений">
    <Deduction Code="404" Name="В сумме документально произведенных расходов" Stav=" " Visible="True" Enabled="True" Equivalent="False" MaxSum="0"/>
    <Deduction Code="405" Name="В пределах норматива затрат" Stav="30" Visible="True" Enabled="False" Equivalent="False" MaxSum="0"/>
    <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/>
  </Income>
  <Income Stav="13" Code="2203" Name="Авторские вознаграждения за создание произведений искусства">
    <Deduction Code="404" Name="В сумме документально произведенных расходов" Stav=" " Visible="True" Enabled="True" Equivalent="False" MaxSum="0"/>
    <Deduction Code="405" Name="В пределах норматива затрат" Stav="40" Visible="True" Enabled="False" Equivalent="False" MaxSum="0"/>
    <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/>
  </Income>
  <Income Stav="13" Code="2204" Name="Авторские вознаграждения за создание аудиовизуальных произведений">
    <Deduction Code="404" Name="В сумме документально произведенных расходов" Stav=" " Visible="True" Enabled="True" Equivalent="False" MaxSum="0"/>
    <Deduction Code="405" Name="В пределах норматива затрат" Stav="30" Visible="True" Enabled="False" Equivalent="False" MaxSum="0"/>
    <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/>
  </Income>
  <Income Stav="13" Code="2205" Name="Авторские вознаграждения за создание музыкально-сценических произведений">
    <Deduction Code="404" Name="В сумме документально произведенных расходов" Stav=" " Visible="True" Enabled="True" Equivalent="False" MaxSum="0"/>
    <Deduction Code="405" Name="В пределах норматива затрат" Stav="40" Visible="True" Enabled="False" Equivalent="False" MaxSum="0"/>
    <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/>
  </Income>
  <Income Stav="13" Code="2206" Name="Авторские вознаграждения за создание других музыкальных произведений">
    <Deduction Code="404" Name="В сумме документально произведенных расходов" Stav=" " Visible="True" Enabled="True" Equivalent="False" MaxSum="0"/>
    <Deduction Code="405" Name="В пределах норматива затрат" Stav="25" Visible="True" Enabled="False" Equivalent="False" MaxSum="0"/>
    <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/>
  </Income>
  <Income Stav="13" Code="2207" Name="Авторские вознаграждения за исполнение произведений литературы и искусства">
    <Deduction Code="404" Name="В сумме документально произведенных расходов" Stav=" " Visible="True" Enabled="True" Equivalent="False" MaxSum="0"/>
    <Deduction Code="405" Name="В пределах норматива затрат" Stav="20" Visible="True" Enabled="False" Equivalent="False" MaxSum="0"/>
    <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/>
  </Income>
  <Income Stav="13" Code="2208" Name="Авторские вознаграждения за создание научных трудов и разработок">
    <Deduction Code="404" Name="В сумме документально произведенных расходов" Stav=" " Visible="True" Enabled="True" Equivalent="False" MaxSum="0"/>
    <Deduction Code="405" Name="В пределах норматива затрат" Stav="20" Visible="True" Enabled="False" Equivalent="False" MaxSum="0"/>
    <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/>
  </Income>
  <Income Stav="13" Code="2209" Name="Авторские вознаграждения за открытия, изобретения, промышленные образцы">
    <Deduction Code="404" Name="В сумме документально произведенных расходов" Stav=" " Visible="True" Enabled="True" Equivalent="False" MaxSum="0"/>
    <Deduction Code="405" Name="В пределах норматива затрат" Stav="30" Visible="True" Enabled="False" Equivalent="False" MaxSum="0"/>
    <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/>
  </Income>
  <Income Stav="13" Code="2210" Name="Вознаграждение, выплач-ое наследникам (правопреемникам) авторов произведений науки, литературы, искусства, а также открытий, изобретений и пром. обр-цов"/>
  <Income Stav="13" Code="2300" Name="Пособия по временной нетрудоспособности" NRez13="True"/>
  <Income Stav="13" Code="2400" Name="Доходы от использования любых транспортных средств"/>
  <Income Stav="13" Code="2510" Name="Суммы оплаты за налогоплательщика товаров (работ, услуг)"/>
  <Income Stav="13" Code="2520" Name="Стоимость полученных безвозмездно товаров (работ, услуг)"/>
  <Income Stav="13" Code="2530" Name="Суммы оплаты труда в натуральной форме в виде товаров (работ, услуг)" NRez13="True"/>
  <Income Stav="35" Code="2610" Name="Сумма мат. выгоды за пользование заемными  средствами"/>
  <Income Stav="35" Code="2620" Name="Мат. выгода от экономии на процентах по кред. средств. на новое стр-во (не облагаемая)"/>
  <Income Stav="13" Code="2630" Name="Сумма материальной выгоды от взаимозависимых лиц"/>
  <Income Stav="13" Code="2640" Name="Сумма матвыгоды, полученной от приобретения ценных бумаг"/>
  <Income Stav="13" Code="2641" Name="Сумма матвыгоды, полученной от приобретения фин. инстр. срочных сделок"/>
  <Income Stav="13" Code="2710" Name="Суммы мат. помощи (за искл. мат. помощи от работодателей согласно п.28 ст.217 НК)"/>
  <Income Stav="13" Code="2720" Name="Подарки от организаций или индивидуальных предпринимателей (п.28 ст.217 НК)">
    <Deduction Code="501" Name="Вычет из стоимости подарка от органицаций и индивидуальных предпринимателей" Stav=" " Visible="True" Enabled="True" Equivalent="True" MaxSum="4000"/>
    <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/>
  </Income>
  <Income Stav="13" Code="2730" Name="Призы за соревнования, проводимые правит-ом РФ (п.28 ст.217 НК)">
    <Deduction Code="502" Name="Вычет из стоимости призов, полученных на соревнованиях" Stav=" " Visible="True" Enabled="True" Equivalent="True" MaxSum="4000"/>
    <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/>
  </Income>
  <Income Stav="35" Code="2740" Name="Выигрыши, в конкурсах, проводимых  в целях рекламы (п.28 ст.217 НК)">
    <Deduction Code="505" Name="Вычет из стоимости призов на конкурсах, проводимых в целях рекламы" Stav=" " Visible="True" Enabled="True" Equivalent="True" MaxSum="4000"/>
    <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/>
  </Income>
  <Income Stav="13" Code="2750" Name="Призы, за соревнования, проводимых не Прав-ом РФ (п.28 ст.217 НК)"/>
  <Income Stav="13" Code="2760" Name="Суммы мат. помощи от работодателей согласно п.28 ст.217 НК">
    <Deduction Code="503" Name="Вычет из стоимости материальной помощи" Stav=" " Visible="True" Enabled="True" Equivalent="True" MaxSum="4000"/>
    <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/>
  </Income>
  <Income Stav="13" Code="2761" Name="Суммы мат. помощи инвалидам от общественных организаций">
    <Deduction Code="506" Name="Вычет из суммы мат. помощи, оказываемой инвалидам общественными орг-иями инвалидов" Stav=" " Visible="True" Enabled="True" Equivalent="True" MaxSum="4000"/>
    <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/>
  </Income>
  <Income Stav="13" Code="2762" Name="Суммы мат. помощи при рождении (усыновлении (удочерении) ребенка">
    <Deduction Code="508" Name="Вычет из суммы мат. помощи, оказываемой при рождении (усыновлении (удочерении) ребенка" Stav=" " Visible="True" Enabled="True" Equivalent="False" MaxSum="0"/>
    <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/>
  </Income>
  <Income Stav="13" Code="2770" Name="Возмещение стоимости медикаментов согласно п.28 ст.217 НК">
    <Deduction Code="504" Name="Вычет из суммы возмещения" Stav=" " Visible="True" Enabled="True" Equivalent="True" MaxSum="4000"/>
    <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/>
  </Income>
  <Income Stav="13" Code="2780" Name="Возмещение стоимости медикаментов не в соотв. с п.28 ст.217 НК"/>
  <Income Stav="13" Code="2790" Name="Суммы мат.помощи согласно п.33 ст.217 НК">
    <Deduction Code="507" Name="Вычет из суммы мат.помощи" Stav=" " Visible="True" Enabled="True" Equivalent="True" MaxSum="10000"/>
    <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/>
  </Income>
  <Income Stav="13" Code="2791" Name="Доходы, полученные от сельскохозяйственных товаропроизводителей, включающие оплату в натуральной форме" NRez13="True">
    <Deduction Code="509" Name="Сумма оплаты труда в натуральной форме" Stav=" " Visible="True" Enabled="True" Equivalent="False" MaxSum="0"/>
    <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/>
  </Income>
  <Income Stav="13" Code="2800" Name="Доходы, полученные от погашения вексельных обязательств"/>
  <Income Stav="13" Code="2900" Name="Доходы в виде курсовой разницы от операций с валютой"/>
  <Income Stav="13" Code="3010" Name="Стоимость выигрышей, выплачиваемых организаторами тотализаторов и др. (13%)"/>
  <Income Stav="35" Code="3020" Name="Доходы в виде процентов, получаемых по вкладам в банках"/>
  <Income Stav="35" Code="3022" Name="Доходы в виде платы за использование денежных средств потребительским кооперативом"/>
  <Income Stav="13" Code="4800" Name="Иные доходы"/>
  <Income Stav="13" Code="4900" Name="Доход в виде выкупной стоимости земельного участка и (или) недвижимого имущества">
    <Deduction Code="908" Name="Вычет, предусмотренный пп. 1.1 п.1 ст. 220 НК" Stav=" " Visible="True" Enabled="True" Equivalent="False" MaxSum="0"/>
    <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/>
  </Income>
</IncomeDict>
)xml";

}  // namespace

const std::string& IncomeDictionaryText() {
  static const std::string text = [] {
    std::string crlf;
    for (const char* c = kIncomeDictionaryUtf8; *c; ++c) {
      if (*c == '\n') crlf += '\r';
      crlf += *c;
    }
    return Utf8ToCp1251(crlf);
  }();
  return text;
}

}  // namespace kvor
