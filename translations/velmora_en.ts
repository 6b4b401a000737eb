<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>CBrevinorApp</name>
    <message>
        <source>Внимание!</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>В папке с программой отсутствует файл перечня применяемых в программе проводов.</source>
        <translation>The list of wire kinds (Провода.txt) is missing from the program folder.</translation>
    </message>
</context>
<context>
    <name>COpenFile</name>
    <message>
        <source>Открыть файл...</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>Открыть файл:</source>
        <translation>File to open:</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
</context>
<context>
    <name>CSaveFile</name>
    <message>
        <source>Сохранить как...</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Имя файла для сохранения:</source>
        <translation>File name to save as:</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Внимание!</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Заменить файл &quot;%1&quot;?</source>
        <translation>Replace the file &quot;%1&quot;?</translation>
    </message>
</context>
<context>
    <name>CorePresentation</name>
    <message>
        <source>D, мм</source>
        <translation>D, mm</translation>
    </message>
    <message>
        <source>d, мм</source>
        <translation>d, mm</translation>
    </message>
    <message>
        <source>H, мм</source>
        <translation>H, mm</translation>
    </message>
    <message>
        <source>Внешний диаметр кольца</source>
        <translation>Outer diameter of the ring</translation>
    </message>
    <message>
        <source>Внутренний диаметр кольца</source>
        <translation>Inner diameter of the ring</translation>
    </message>
    <message>
        <source>Высота кольца</source>
        <translation>Height of the ring</translation>
    </message>
    <message>
        <source>Ls, мм</source>
        <translation>Ls, mm</translation>
    </message>
    <message>
        <source>Hs, мм</source>
        <translation>Hs, mm</translation>
    </message>
    <message>
        <source>Lok, мм</source>
        <translation>Lok, mm</translation>
    </message>
    <message>
        <source>Hok, мм</source>
        <translation>Hok, mm</translation>
    </message>
    <message>
        <source>Ширина стали</source>
        <translation>Steel width: the limb that carries the coil</translation>
    </message>
    <message>
        <source>Высота стали</source>
        <translation>Steel height: the thickness of the stack</translation>
    </message>
    <message>
        <source>Ширина окна</source>
        <translation>Window width</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>Для аудио применений рекомендуется амплитуда индукции 1,2 Тесла для ленточных сердечников и 1 Тесла для пластинчатых сердечников</source>
        <translation>For audio use a peak flux density of 1.2 T is recommended for tape-wound cores and 1 T for laminated cores</translation>
    </message>
    <message>
        <source>Плотность тока зависит от размеров сердечника.
Для больших сердечников условия охлаждения обмоток хуже, поэтому плотность тока выбирается меньше, чем для сердечников малых размеров.
Для аудио применений плотность тока также зависит от режима работы усилителя. Например, для усилителей класса А рекомендуется плотность тока 2,5 А/мм2, а для класса АВ можно плотность тока брать 3,5-4 А/мм2</source>
        <translation>The current density depends on the size of the core.
The windings of a large core are cooled worse, so a lower current density is chosen for it than for a small core.
For audio use the current density also depends on the amplifier&apos;s class of operation: 2.5 A/mm2 is recommended for class A amplifiers, while class AB allows 3.5-4 A/mm2</translation>
    </message>
    <message>
        <source>Высота окна</source>
        <translation>Window height</translation>
    </message>
    <message>
        <source>Ширина каркаса.
Для кольца это ширина сердечника по изоляции.
Размеры каркаса нужны для расчета укладки провода и длины провода</source>
        <translation>Bobbin width.
For a ring, the width of the core over its insulation.
The bobbin sizes are needed to lay out the winding layers and to work out the wire length</translation>
    </message>
    <message>
        <source>Высота каркаса.
Для кольца это высота сердечника по изоляции.
Размеры каркаса нужны для расчета укладки провода и длины провода</source>
        <translation>Bobbin height.
For a ring, the height of the core over its insulation.
The bobbin sizes are needed to lay out the winding layers and to work out the wire length</translation>
    </message>
    <message>
        <source>Длина каркаса под намотку - это расстояние между щечками каркаса.
Размеры каркаса нужны для расчета укладки провода и длины провода</source>
        <translation>The winding length of the bobbin is the distance between its flanges.
The bobbin sizes are needed to lay out the winding layers and to work out the wire length</translation>
    </message>
    <message>
        <source>Желаемый диаметр провода первичной обмотки</source>
        <translation>Desired wire diameter of the primary winding</translation>
    </message>
    <message>
        <source>Сохранение комментария в текстовом файле.</source>
        <translation>Saves the comment to a text file.</translation>
    </message>
    <message>
        <source>Со снятой галочкой размеры каркаса вычисляются автоматически, добавлением к ширине и высоте стали толщины стенок (1 мм) каркаса или изоляции кольца.
Для корректировки размеров установите галочку и ведите истинные размеры каркаса или изоляции кольца.</source>
        <translation>Unticked, the bobbin sizes are worked out automatically: the thickness of the bobbin walls or of the ring&apos;s insulation (1 mm) is added to the width and height of the steel.
To correct the sizes, tick the box and enter the true sizes of the bobbin or of the ring over its insulation.</translation>
    </message>
    <message>
        <source>Диаметр провода по эмали</source>
        <translation>Wire diameter over the enamel</translation>
    </message>
    <message>
        <source>Масса провода</source>
        <translation>Wire mass</translation>
    </message>
    <message>
        <source>Установка галочки означает, что эта обмотка имеет две секции, включенные со средней точкой.
При этом следует вводить напряжение и ток для одной секции. А программа сама рассчитает суммарную мощность и размещение обеих секций.
Чтобы секции вышли одинаковыми, их следует наматывать одновременно, в два провода.</source>
        <translation>Ticked, this winding has two sections joined at a centre tap.
Enter the voltage and the current of one section; the program works out the total power and the placement of both sections.
To make the sections alike, wind them at the same time, with two wires in hand.</translation>
    </message>
    <message>
        <source>Число витков первичной обмотки на 1 В ее ЭДС под нагрузкой. Витки выбираются при максимальном напряжении сети, чтобы индукция не превысила заданную; при номинальном напряжении она меньше.</source>
        <translation>Turns of the primary per volt of its EMF under load. The turns are chosen at the maximum mains voltage, so that the induction stays within the one set; at the nominal voltage it is lower.</translation>
    </message>
    <message>
        <source>Загрузка сохраненных исходных данных из файла с расширением .sav</source>
        <translation>Loads saved input data from a .sav file</translation>
    </message>
    <message>
        <source>Сохранение исходных данных в файл с расширением .sav во внутреннем формате данных для последующего использования.</source>
        <translation>Saves the input data to a .sav file in the program&apos;s own format, for later use.</translation>
    </message>
</context>
<context>
    <name>InputMarks</name>
    <message>
        <source>Не число: читается как %1</source>
        <translation>Not a number: read as %1</translation>
    </message>
</context>
<context>
    <name>PickerDialog</name>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Папка...</source>
        <translation>Folder...</translation>
    </message>
    <message>
        <source>Папка</source>
        <translation>Folder</translation>
    </message>
</context>
<context>
    <name>QtFilePickers</name>
    <message>
        <source>Сохранить в файле</source>
        <translation>Save report</translation>
    </message>
    <message>
        <source>Файлы сохранённых расчетов *.txt (*.txt)</source>
        <translation>Calculation reports *.txt (*.txt)</translation>
    </message>
    <message>
        <source>Сохранить в PDF</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>Документы PDF *.pdf (*.pdf)</source>
        <translation>PDF documents *.pdf (*.pdf)</translation>
    </message>
</context>
<context>
    <name>velmora::ui::AdvisorDialog</name>
    <message>
        <source>Название</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Вид</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>мм</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Примечание</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Подбор сердечника</source>
        <translation>Choosing a core</translation>
    </message>
    <message>
        <source>Порядок:</source>
        <translation>Order:</translation>
    </message>
    <message>
        <source>Заполнение места не более:</source>
        <translation>Room used at most:</translation>
    </message>
    <message>
        <source>Итог</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Добавить текущий...</source>
        <translation>Add current...</translation>
    </message>
    <message>
        <source>Изменить...</source>
        <translation>Edit...</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Применить</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Добавить текущий сердечник</source>
        <translation>Add the current core</translation>
    </message>
    <message>
        <source>Название сердечника:</source>
        <translation>Name of the core:</translation>
    </message>
    <message>
        <source>Удалить из списка сердечник &quot;%1&quot;?</source>
        <translation>Delete the core &quot;%1&quot; from the list?</translation>
    </message>
</context>
<context>
    <name>velmora::ui::CAboutDlg</name>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Velmora - Программа расчета сетевого силового трансформатора</source>
        <translation>Velmora - Mains power transformer design program</translation>
    </message>
    <message>
        <source>Версия %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>velmora::ui::CBrevinorDlg</name>
    <message>
        <source>Не удалось открыть файл &quot;%1&quot;.</source>
        <translation>Could not open the file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Заменить файл &quot;%1&quot;?</source>
        <translation>Replace the file &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Комментарий</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Сохранить в файле</source>
        <translation>Save report</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Диаграмма заполнения окна обмотками</source>
        <translation>Fill of the core window by the windings</translation>
    </message>
    <message>
        <source>Velmora - Расчет сетевого силового трансформатора (Версия %1)</source>
        <translation>Velmora - Mains power transformer design (Version %1)</translation>
    </message>
    <message>
        <source>Выпрямитель...</source>
        <translation>Rectifier...</translation>
    </message>
    <message>
        <source>Сохранить изменения в &quot;%1&quot;?</source>
        <translation>Save the changes to &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Не удалось записать файл &quot;%1&quot;.</source>
        <translation>Could not write the file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Подобрать &amp;сердечник...</source>
        <translation>&amp;Choose a core...</translation>
    </message>
    <message>
        <source>Спрое&amp;ктировать...</source>
        <translation>&amp;Design...</translation>
    </message>
    <message>
        <source>По&amp;мощь</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;О программе...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Открыть...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>&amp;Сохранить</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Сохранить о&amp;тчет...</source>
        <translation>Save &amp;report...</translation>
    </message>
    <message>
        <source>&amp;Печать...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>Сохранить в P&amp;DF...</source>
        <translation>Save as P&amp;DF...</translation>
    </message>
    <message>
        <source>В&amp;ыход</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Правка</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Отменить</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Повторить</source>
        <translation>&amp;Redo</translation>
    </message>
</context>
<context>
    <name>velmora::ui::CHelpDlg</name>
    <message>
        <source>Ошибка!</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>В папке с программой отсутствует файл &quot;%1&quot;.
Помощь не загружена</source>
        <translation>The file &quot;%1&quot; is missing from the program folder.
No help is loaded</translation>
    </message>
    <message>
        <source>Помощь </source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>velmora::ui::FillDiagram</name>
    <message>
        <source>Полностью дырку от бублика нельзя занимать!</source>
        <translation>The hole of the ring must not be filled completely!</translation>
    </message>
    <message>
        <source>не помещается</source>
        <translation>does not fit</translation>
    </message>
    <message>
        <source>%1: %2 мм, %3% окна</source>
        <translation>%1: %2 mm, %3% of the window</translation>
    </message>
    <message>
        <source>Первичная обмотка</source>
        <translation>Primary winding</translation>
    </message>
    <message>
        <source>Обмотка %1</source>
        <translation>Winding %1</translation>
    </message>
    <message>
        <source>Свободно</source>
        <translation>Free</translation>
    </message>
</context>
<context>
    <name>velmora::ui::RectifierDialog</name>
    <message>
        <source>Выпрямитель вторичной обмотки %1</source>
        <translation>Rectifier of secondary %1</translation>
    </message>
    <message>
        <source>Схема</source>
        <translation>Circuit</translation>
    </message>
    <message>
        <source>Нет выпрямителя</source>
        <translation>No rectifier</translation>
    </message>
    <message>
        <source>Мостовая</source>
        <translation>Bridge</translation>
    </message>
    <message>
        <source>Двухполупериодная со средней точкой</source>
        <translation>Full wave, centre tap</translation>
    </message>
    <message>
        <source>Однополупериодная</source>
        <translation>Half wave</translation>
    </message>
    <message>
        <source>Постоянное напряжение, В</source>
        <translation>DC voltage, V</translation>
    </message>
    <message>
        <source>Ток нагрузки, А</source>
        <translation>Load current, A</translation>
    </message>
    <message>
        <source>Ёмкость конденсатора, мкФ</source>
        <translation>Capacitance, µF</translation>
    </message>
    <message>
        <source>Прямое падение на диоде, В</source>
        <translation>Diode forward drop, V</translation>
    </message>
    <message>
        <source>Дифференциальное сопротивление диода, Ом</source>
        <translation>Diode slope resistance, Ω</translation>
    </message>
    <message>
        <source>Результат</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Получено постоянное напряжение, В</source>
        <translation>DC voltage reached, V</translation>
    </message>
    <message>
        <source>Пульсации (размах), В</source>
        <translation>Ripple (peak to peak), V</translation>
    </message>
    <message>
        <source>Действующий ток обмотки, А</source>
        <translation>Winding rms current, A</translation>
    </message>
    <message>
        <source>Пиковый ток диода, А</source>
        <translation>Peak diode current, A</translation>
    </message>
    <message>
        <source>Отношение действующего тока к постоянному</source>
        <translation>Rms to DC current ratio</translation>
    </message>
    <message>
        <source>Угол проводимости диода, °</source>
        <translation>Diode conduction angle, °</translation>
    </message>
    <message>
        <source>ЭДС обмотки (холостой ход), В</source>
        <translation>Winding EMF (no load), V</translation>
    </message>
    <message>
        <source>Сопротивление источника, Ом</source>
        <translation>Source resistance, Ω</translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Применить</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Действующий ток половины обмотки, А</source>
        <translation>Rms current of each half, A</translation>
    </message>
    <message>
        <source>Двуполярная (±)</source>
        <translation>Dual rail (±)</translation>
    </message>
    <message>
        <source>По умолчанию 0,88 В и 0,0037 Ом: прямая через две точки прямой ветви диода GI750–GI758 (6 А) из листка производителя — 0,90 В при 6 А и 1,25 В при 100 А, 25 °C. Для своего диода или моста возьмите значения из его справочного листка.</source>
        <translation>Defaults 0.88 V and 0.0037 Ω: a straight line through two points of the forward curve of the GI750–GI758 diode (6 A) from its maker&apos;s data sheet — 0.90 V at 6 A and 1.25 V at 100 A, 25 °C. For your own diode or bridge take the values from its data sheet.</translation>
    </message>
</context>
<context>
    <name>velmora::ui::StripView</name>
    <message>
        <source>Диаграмма заполнения окна обмотками</source>
        <translation>Fill of the core window by the windings</translation>
    </message>
    <message>
        <source>мм, по ширине окна сердечника</source>
        <translation>mm, across the core window</translation>
    </message>
</context>
</TS>
