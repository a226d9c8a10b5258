<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ExchangeMessages</name>
    <message>
        <source>Import texts from %1</source>
        <translation>Импорт текстов из %1</translation>
    </message>
    <message>
        <source>Take translations from the older kit %1</source>
        <translation>Перенос переводов из старого комплекта %1</translation>
    </message>
    <message>
        <source>Carry translations over to the new source texts</source>
        <translation>Перенести переводы к новым исходным текстам</translation>
    </message>
    <message>
        <source>.

Carry every translation, note and mark over to the row where its source text stands now (one step you can undo), or open the kit as it is, each translation in its row?</source>
        <translation>.

Перенести каждый перевод, заметку и отметку в строку, где теперь стоит её исходный текст (один шаг, который можно отменить), или открыть комплект как есть, каждый перевод в своей строке?</translation>
    </message>
    <message>
        <source>Carry over</source>
        <translation>Перенести</translation>
    </message>
    <message>
        <source>Open as it is</source>
        <translation>Открыть как есть</translation>
    </message>
    <message>
        <source>

Nothing is saved yet: save to put the texts into &quot;lang.dat&quot;, or undo the import with Ctrl+Z.</source>
        <translation>

Пока ничего не сохранено: сохраните, чтобы записать тексты в «lang.dat», или отмените импорт через Ctrl+Z.</translation>
    </message>
    <message>
        <source>%1 was written for code page %2 (%3); the kit uses %4 (%5).

Import it in code page %2, and use that code page from now on? Ctrl+Z takes back both.</source>
        <translation>%1 написан для кодовой страницы %2 (%3); комплект использует %4 (%5).

Импортировать его в кодовой странице %2 и впредь использовать её? Ctrl+Z отменит и то и другое.</translation>
    </message>
    <message>
        <source>Use code page %1</source>
        <translation>Использовать кодовую страницу %1</translation>
    </message>
    <message>
        <source>Keep code page %1</source>
        <translation>Оставить кодовую страницу %1</translation>
    </message>
    <message>
        <source>

The refused translations cannot be imported: mend them in the file, or import the others now and leave those rows as they are.</source>
        <translation>

Отклонённые переводы импортировать нельзя: исправьте их в файле или импортируйте сейчас остальные, оставив эти строки как есть.</translation>
    </message>
    <message>
        <source>Import the others</source>
        <translation>Импортировать остальные</translation>
    </message>
    <message>
        <source>Import nothing</source>
        <translation>Ничего не импортировать</translation>
    </message>
</context>
<context>
    <name>FontMessages</name>
    <message>
        <source>%1. &quot;lang.dat&quot; cannot be saved with this font: choose a smaller one.</source>
        <translation>%1. С этим шрифтом «lang.dat» сохранить нельзя: выберите шрифт поменьше.</translation>
    </message>
    <message>
        <source>

Undo (Ctrl+Z) takes the choice back.</source>
        <translation>

Отмена (Ctrl+Z) вернёт прежний выбор.</translation>
    </message>
    <message>
        <source>Code %1 (0x%2): </source>
        <translation>Код %1 (0x%2): </translation>
    </message>
    <message>
        <source>no character in code page %1</source>
        <translation>нет символа в кодовой странице %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; %2</source>
        <translation>«%1» %2</translation>
    </message>
    <message>
        <source>control character %1</source>
        <translation>управляющий символ %1</translation>
    </message>
    <message>
        <source>
%1 pixels wide</source>
        <translation>
Ширина: %1 пкс</translation>
    </message>
    <message>
        <source>
No glyph in this font: the save writes the stand-in shown</source>
        <translation>
В этом шрифте нет глифа: сохранение запишет показанную замену</translation>
    </message>
    <message>
        <source>Your translations hold letters that code page %1 reads otherwise: in row %2, &quot;%3&quot; would become &quot;%4&quot;.

The kit keeps the bytes you typed; the code page only says which letters they are, in the grid, the glyphs and lang.dat. Change the code page? (Ctrl+Z takes it back.)</source>
        <translation>В ваших переводах есть буквы, которые кодовая страница %1 читает иначе: в строке %2 «%3» станет «%4».

Комплект сохраняет набранные вами байты; кодовая страница лишь говорит, какие это буквы — в таблице, в глифах и в lang.dat. Сменить кодовую страницу? (Ctrl+Z вернёт её.)</translation>
    </message>
    <message>
        <source>Change the code page</source>
        <translation>Сменить кодовую страницу</translation>
    </message>
    <message>
        <source>Keep code page</source>
        <translation>Оставить кодовую страницу</translation>
    </message>
    <message>
        <source>%1 is not installed: the glyphs are drawn with %2, the system&apos;s fallback face.</source>
        <translation>%1 не установлен: глифы рисуются шрифтом %2, запасным шрифтом системы.</translation>
    </message>
    <message>
        <source>%1 is not installed: the glyphs are drawn with %2.</source>
        <translation>%1 не установлен: глифы рисуются шрифтом %2.</translation>
    </message>
</context>
<context>
    <name>ImportReport</name>
    <message>
        <source>skipped, the source text is not the kit&apos;s (the game&apos;s texts changed)</source>
        <translation>пропущено: исходный текст не совпадает с текстом комплекта (тексты игры изменились)</translation>
    </message>
    <message>
        <source>skipped, no translation</source>
        <translation>пропущено: нет перевода</translation>
    </message>
    <message>
        <source>skipped, obsolete entries (#~) of texts that are gone</source>
        <translation>пропущено: устаревшие записи (#~) исчезнувших текстов</translation>
    </message>
    <message>
        <source>skipped, no such row in the kit</source>
        <translation>пропущено: такой строки в комплекте нет</translation>
    </message>
    <message>
        <source>skipped, the row came earlier in the file</source>
        <translation>пропущено: строка уже встречалась в файле раньше</translation>
    </message>
    <message>
        <source>refused, a character code page %1 cannot hold</source>
        <translation>отклонено: символ, которого нет в кодовой странице %1</translation>
    </message>
    <message>
        <source>refused, longer than %1 bytes</source>
        <translation>отклонено: длиннее %1 байт</translation>
    </message>
    <message>
        <source>imported where the source text stands now (it moved from the row the file names)</source>
        <translation>импортировано туда, где теперь стоит исходный текст (он переместился из строки, указанной в файле)</translation>
    </message>
    <message>
        <source>imported, marked needs review (fuzzy)</source>
        <translation>импортировано с отметкой «требует проверки» (fuzzy)</translation>
    </message>
    <message>
        <source>imported, but reset to the original text at every save</source>
        <translation>импортировано, но при каждом сохранении возвращается к исходному тексту</translation>
    </message>
    <message>
        <source>carried for review, the source text changed a little</source>
        <translation>перенесено на проверку: исходный текст немного изменился</translation>
    </message>
    <message>
        <source>new rows, left untranslated</source>
        <translation>новые строки, оставлены непереведёнными</translation>
    </message>
    <message>
        <source>translations of source texts that are gone (rows of the older kit)</source>
        <translation>переводы исчезнувших исходных текстов (строки старого комплекта)</translation>
    </message>
    <message>
        <source>left as they were, translated in this kit already</source>
        <translation>оставлены как были: уже переведены в этом комплекте</translation>
    </message>
    <message>
        <source>%1 translations changed, %2 unchanged</source>
        <translation>переводов изменено: %1, без изменений: %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>строка %1</translation>
    </message>
    <message numerus="yes">
        <source>rows %1</source>
        <translation>
            <numerusform>строки %1</numerusform>
            <numerusform>строки %1</numerusform>
            <numerusform>строки %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> and %1 more</source>
        <translation>
            <numerusform> и ещё %1</numerusform>
            <numerusform> и ещё %1</numerusform>
            <numerusform> и ещё %1</numerusform>
        </translation>
    </message>
    <message>
        <source>skipped, its source text stands in several rows and the file does not say which</source>
        <translation>пропущено: исходный текст стоит в нескольких строках, и файл не говорит, в какой</translation>
    </message>
    <message>
        <source>notes carried with their texts</source>
        <translation>заметки перенесены вместе с их текстами</translation>
    </message>
    <message>
        <source>needs review and done as it is marks carried with their texts</source>
        <translation>отметки «Требует проверки» и «Готово как есть» перенесены вместе с их текстами</translation>
    </message>
    <message>
        <source>translations of other source texts taken away, left untranslated</source>
        <translation>переводы других исходных текстов убраны, строки оставлены непереведёнными</translation>
    </message>
</context>
<context>
    <name>KitSave</name>
    <message>
        <source>&quot;lang.dat&quot; compilation completed successfully!</source>
        <translation>«lang.dat» успешно собран!</translation>
    </message>
    <message>
        <source>lang.dat is read-only: someone locked it against changes. Saving replaces it (the new lang.dat is read-only too).</source>
        <translation>lang.dat доступен только для чтения: кто-то защитил его от изменений. Сохранение заменит его (новый lang.dat тоже будет только для чтения).</translation>
    </message>
    <message>
        <source>kvmain.dat holds no texts: saving would give the game a lang.dat without any.</source>
        <translation>kvmain.dat не содержит текстов: сохранение дало бы игре lang.dat совсем без текстов.</translation>
    </message>
    <message numerus="yes">
        <source>kvmain.dat holds no texts: saving would remove the %1 translations in lang.dat.</source>
        <translation>
            <numerusform>kvmain.dat не содержит текстов: сохранение удалило бы %1 перевод в lang.dat.</numerusform>
            <numerusform>kvmain.dat не содержит текстов: сохранение удалило бы %1 перевода в lang.dat.</numerusform>
            <numerusform>kvmain.dat не содержит текстов: сохранение удалило бы %1 переводов в lang.dat.</numerusform>
        </translation>
    </message>
    <message>
        <source>lang.dat holds %1 text records, but this save writes only %2: the last %3 translations would be lost.</source>
        <translation>lang.dat содержит текстовых записей: %1, а это сохранение запишет только %2: последние переводы (%3) будут потеряны.</translation>
    </message>
    <message>
        <source>%1, code page %2</source>
        <translation>%1, кодовая страница %2</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Attantion</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Не удаётся создать файл %1</translation>
    </message>
    <message>
        <source>A language archive of the kit is missing or damaged and was read only in part:

</source>
        <translation>Языковой архив комплекта отсутствует или повреждён и прочитан лишь частично:

</translation>
    </message>
    <message>
        <source>... and %1 more problems of the same kind
</source>
        <translation>... и ещё проблем того же рода: %1
</translation>
    </message>
    <message>
        <source>
Whatever could not be read is shown from the kit&apos;s own data (source texts, standard pictures). A save now writes a new &quot;lang.dat&quot; from what you see; keep a copy of the damaged file if you need its contents.</source>
        <translation>
Всё, что не удалось прочитать, показано из собственных данных комплекта (исходные тексты, стандартные картинки). Сохранение сейчас запишет новый «lang.dat» из того, что вы видите; сохраните копию повреждённого файла, если вам нужно его содержимое.</translation>
    </message>
    <message>
        <source>Some of your settings were ignored; the kit&apos;s defaults stand in for them:

</source>
        <translation>Некоторые ваши настройки пропущены; вместо них действуют настройки комплекта по умолчанию:

</translation>
    </message>
    <message>
        <source>The kit in %1 is already open in another window (%2).

Two windows on one kit save over each other&apos;s work. Open it anyway?</source>
        <translation>Комплект в %1 уже открыт в другом окне (%2).

Два окна на одном комплекте затирают работу друг друга при сохранении. Всё равно открыть?</translation>
    </message>
    <message>
        <source>Open anyway</source>
        <translation>Всё равно открыть</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Отменено: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Повторено: %1</translation>
    </message>
    <message>
        <source>The translator&apos;s guide is %1.

No program to show it was found here: open it with any text editor.</source>
        <translation>Руководство переводчика — %1.

Программа для его показа здесь не найдена: откройте его любым текстовым редактором.</translation>
    </message>
    <message>
        <source>The window speaks it from the next start.</source>
        <translation>Окно перейдёт на этот язык при следующем запуске.</translation>
    </message>
</context>
<context>
    <name>OpenKit</name>
    <message>
        <source>kvmain.dat&apos;s source texts are not those the translations in lang.dat were saved against (a new game version): %1 rows moved, %2 changed, %3 came, %4 went</source>
        <translation>Исходные тексты в kvmain.dat — не те, для которых были сохранены переводы в lang.dat (новая версия игры): строк перемещено: %1, изменено: %2, добавлено: %3, удалено: %4</translation>
    </message>
    <message>
        <source>holds %1 texts, but kvmain.dat holds %2: its translations may stand beside other source texts than they were made for. To move to a new kit version, take the translations from the old kit&apos;s folder (&quot;Take translations from an older kit...&quot; on the Texts page, or kvtool texts migrate KITDIR OLDKIT)</source>
        <translation>содержит текстов: %1, а kvmain.dat — %2: его переводы могут стоять рядом не с теми исходными текстами, для которых они сделаны. Чтобы перейти на новую версию комплекта, перенесите переводы из папки старого комплекта («Перенести переводы из старого комплекта...» на странице «Тексты» или kvtool texts migrate KITDIR OLDKIT)</translation>
    </message>
    <message>
        <source>redrawn picture kept aside, its standard picture changed: %1 (as %2)</source>
        <translation>перерисованная картинка отложена, её стандартная картинка изменилась: %1 (как %2)</translation>
    </message>
    <message>
        <source>redrawn pictures carried: %1 (%2)</source>
        <translation>перенесено перерисованных картинок: %1 (%2)</translation>
    </message>
    <message>
        <source>kit dictionary words carried: %1</source>
        <translation>перенесено слов словаря комплекта: %1</translation>
    </message>
    <message>
        <source>font %1</source>
        <translation>шрифт %1</translation>
    </message>
    <message>
        <source>code page %1</source>
        <translation>кодовая страница %1</translation>
    </message>
    <message>
        <source>spell check %1</source>
        <translation>проверка орфографии %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>%1 translation memories</source>
        <translation>памятей переводов: %1</translation>
    </message>
    <message>
        <source>settings taken from the older kit: %1</source>
        <translation>настройки взяты из старого комплекта: %1</translation>
    </message>
</context>
<context>
    <name>PictureMessages</name>
    <message>
        <source>Some colours of this picture are not in the game palette. Use it with each of them changed to the nearest colour of the palette, as shown?</source>
        <translation>Некоторых цветов этой картинки нет в палитре игры. Использовать её, заменив каждый из них ближайшим цветом палитры, как показано?</translation>
    </message>
    <message>
        <source>
The largest change is a distance of %1 in red, green and blue.</source>
        <translation>
Наибольшее изменение — расстояние %1 по красному, зелёному и синему.</translation>
    </message>
    <message>
        <source>The translated picture chosen before is removed; Ctrl+Z brings it back.</source>
        <translation>Выбранная ранее переведённая картинка убрана; Ctrl+Z вернёт её.</translation>
    </message>
    <message>
        <source>Size: %1 × %2 pixels
%3 of %4 pictures translated</source>
        <translation>Размер: %1 × %2 пкс
Переведено картинок: %3 из %4</translation>
    </message>
    <message>
        <source>Has a translated picture</source>
        <translation>Есть переведённая картинка</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 пкс</translation>
    </message>
    <message>
        <source>, %1 colours</source>
        <translation>, цветов: %1</translation>
    </message>
    <message>
        <source>No preview</source>
        <translation>Нет предпросмотра</translation>
    </message>
</context>
<context>
    <name>SaveMessages</name>
    <message>
        <source>Completed</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>&quot;lang.dat&quot; was saved, but the save is not finished:

%1

The new &quot;lang.dat&quot; is in place; the rest of the save is put in place when the kit is next saved or opened.</source>
        <translation>«lang.dat» сохранён, но сохранение не завершено:

%1

Новый «lang.dat» на месте; остальные файлы сохранения встанут на место, когда комплект в следующий раз сохранят или откроют.</translation>
    </message>
    <message>
        <source>&quot;lang.dat&quot; was not saved:

%1

The previous &quot;lang.dat&quot; is unchanged.</source>
        <translation>«lang.dat» не сохранён:

%1

Прежний «lang.dat» не изменён.</translation>
    </message>
    <message>
        <source>lang.dat holds glyphs of another font or code page. Replace them with %1?

If the game&apos;s texts should keep their letters, choose their font and code page on the Font page first.</source>
        <translation>lang.dat содержит глифы другого шрифта или другой кодовой страницы. Заменить их на %1?

Если тексты игры должны сохранить свои буквы, сначала выберите их шрифт и кодовую страницу на странице «Шрифт».</translation>
    </message>
    <message>
        <source>

Save anyway?</source>
        <translation>

Всё равно сохранить?</translation>
    </message>
    <message>
        <source>

Replace it anyway?</source>
        <translation>

Всё равно заменить?</translation>
    </message>
    <message>
        <source>&quot;lang.dat&quot; has changed on disk since the kit read or last saved it: another save (kvtool, another window) wrote it meanwhile.

Reload the kit&apos;s texts and pictures from it (your unsaved edits are lost), overwrite it with your work (what the other save wrote is lost, but stays in &quot;lang.dat.bak&quot; until the next save), or cancel?</source>
        <translation>«lang.dat» изменился на диске с тех пор, как комплект прочитал или последний раз сохранил его: его тем временем записало другое сохранение (kvtool, другое окно).

Перезагрузить из него тексты и картинки комплекта (несохранённые правки будут потеряны), перезаписать его вашей работой (записанное другим сохранением будет потеряно, но останется в «lang.dat.bak» до следующего сохранения) или отменить?</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Перезагрузить</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Перезаписать</translation>
    </message>
    <message>
        <source>Some of your work is not saved in &quot;lang.dat&quot; yet.

Save it before the kit closes?</source>
        <translation>Часть вашей работы ещё не сохранена в «lang.dat».

Сохранить её перед закрытием комплекта?</translation>
    </message>
</context>
<context>
    <name>TextChecker</name>
    <message>
        <source>no space</source>
        <translation>ни одного пробела</translation>
    </message>
    <message>
        <source>1 space</source>
        <translation>1 пробел</translation>
    </message>
    <message numerus="yes">
        <source>%1 spaces</source>
        <translation>
            <numerusform>%1 пробел</numerusform>
            <numerusform>%1 пробела</numerusform>
            <numerusform>%1 пробелов</numerusform>
        </translation>
    </message>
    <message>
        <source>1 tab</source>
        <translation>1 табуляция</translation>
    </message>
    <message numerus="yes">
        <source>%1 tabs</source>
        <translation>
            <numerusform>%1 табуляция</numerusform>
            <numerusform>%1 табуляции</numerusform>
            <numerusform>%1 табуляций</numerusform>
        </translation>
    </message>
    <message>
        <source>the last character</source>
        <translation>последний символ</translation>
    </message>
    <message numerus="yes">
        <source>the last %1 characters</source>
        <translation>
            <numerusform>последний %1 символ</numerusform>
            <numerusform>последние %1 символа</numerusform>
            <numerusform>последние %1 символов</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 bytes: the save keeps the first %2 and cuts %3, &quot;%4&quot;</source>
        <translation>%1 байт: сохранение оставит первые %2 и отрежет %3, «%4»</translation>
    </message>
    <message>
        <source>the original starts with %1, the translation with %2</source>
        <translation>оригинал начинается с: %1, перевод — с: %2</translation>
    </message>
    <message>
        <source>the original ends with %1, the translation with %2</source>
        <translation>оригинал заканчивается на: %1, перевод — на: %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>no end punctuation</source>
        <translation>без знака в конце</translation>
    </message>
    <message>
        <source>a line break</source>
        <translation>перевод строки</translation>
    </message>
    <message>
        <source>a carriage return</source>
        <translation>возврат каретки</translation>
    </message>
    <message>
        <source>a tab</source>
        <translation>табуляцию</translation>
    </message>
    <message>
        <source>control character %1</source>
        <translation>управляющий символ %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is written twice in a row</source>
        <translation>«%1» написано дважды подряд</translation>
    </message>
    <message>
        <source>two spaces in a row inside the translation</source>
        <translation>два пробела подряд внутри перевода</translation>
    </message>
    <message>
        <source>the translation holds %1, which the original does not</source>
        <translation>в переводе есть %1, а в оригинале нет</translation>
    </message>
    <message>
        <source>the translation is empty where the original is not</source>
        <translation>перевод пуст, а оригинал нет</translation>
    </message>
    <message>
        <source>placeholders in the original: %1; in the translation: %2</source>
        <translation>подстановки в оригинале: %1; в переводе: %2</translation>
    </message>
    <message>
        <source>the translation differs from the original; it is reset to the original text at every save</source>
        <translation>перевод отличается от оригинала; при каждом сохранении он возвращается к исходному тексту</translation>
    </message>
</context>
<context>
    <name>TextFormat</name>
    <message>
        <source>PO files</source>
        <translation>Файлы PO</translation>
    </message>
    <message>
        <source>PO templates</source>
        <translation>Шаблоны PO</translation>
    </message>
    <message>
        <source>XLIFF files</source>
        <translation>Файлы XLIFF</translation>
    </message>
    <message>
        <source>XLIFF files for OmegaT</source>
        <translation>Файлы XLIFF для OmegaT</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Файлы CSV</translation>
    </message>
    <message>
        <source>TMX translation memories</source>
        <translation>Памяти переводов TMX</translation>
    </message>
</context>
<context>
    <name>TextsMessages</name>
    <message>
        <source>%1 of %2 texts translated (%3%)</source>
        <translation>Переведено %1 из %2 (%3%)</translation>
    </message>
    <message>
        <source>%1 to review</source>
        <translation>на проверку: %1</translation>
    </message>
    <message>
        <source>1 warning</source>
        <translation>1 предупреждение</translation>
    </message>
    <message numerus="yes">
        <source>%1 warnings</source>
        <translation>
            <numerusform>%1 предупреждение</numerusform>
            <numerusform>%1 предупреждения</numerusform>
            <numerusform>%1 предупреждений</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 drawn wider</source>
        <translation>нарисовано шире: %1</translation>
    </message>
    <message>
        <source>your font draws %1% wider</source>
        <translation>ваш шрифт рисует на %1% шире</translation>
    </message>
    <message>
        <source>%1 / %2 bytes</source>
        <translation>%1 / %2 байт</translation>
    </message>
    <message>
        <source>Not translated yet: the translation is the original text</source>
        <translation>Ещё не переведено: перевод совпадает с исходным текстом</translation>
    </message>
    <message>
        <source>Translated: done as it is</source>
        <translation>Переведено: оставлено как есть</translation>
    </message>
    <message>
        <source>Translated</source>
        <translation>Переведено</translation>
    </message>
    <message>
        <source>Needs review (Ctrl+U takes the mark away)</source>
        <translation>Требует проверки (Ctrl+U снимает отметку)</translation>
    </message>
    <message>
        <source>
Note: </source>
        <translation>
Заметка: </translation>
    </message>
    <message>
        <source>
Warning (%1): %2</source>
        <translation>
Предупреждение (%1): %2</translation>
    </message>
    <message>
        <source>
Row %1</source>
        <translation>
Строка %1</translation>
    </message>
    <message>
        <source>Reset to the original text at every save</source>
        <translation>При каждом сохранении возвращается к исходному тексту</translation>
    </message>
    <message>
        <source>This is the text the game will get: every save writes it as the translation. Edit it here if the game needs another one.</source>
        <translation>Этот текст получит игра: каждое сохранение записывает его как перевод. Измените его здесь, если игре нужен другой.</translation>
    </message>
    <message>
        <source>The original text, as the game&apos;s own data holds it. It cannot be edited: the kit never writes it, so an edit would be lost at the next start. Translate it on the right.</source>
        <translation>Исходный текст, как он хранится в данных самой игры. Его нельзя изменить: комплект никогда его не записывает, так что правка пропала бы при следующем запуске. Переводите его справа.</translation>
    </message>
    <message>
        <source>Go to row</source>
        <translation>Перейти к строке</translation>
    </message>
    <message>
        <source>Row number (1 to %1):</source>
        <translation>Номер строки (от 1 до %1):</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Заметка</translation>
    </message>
    <message>
        <source>Note for the reviewer on row %1 (kept in the kit folder, never in lang.dat):</source>
        <translation>Заметка для проверяющего к строке %1 (хранится в папке комплекта, никогда в lang.dat):</translation>
    </message>
    <message>
        <source>Mark row for review</source>
        <translation>Отметить строку для проверки</translation>
    </message>
    <message>
        <source>Unmark row for review</source>
        <translation>Снять отметку проверки со строки</translation>
    </message>
    <message numerus="yes">
        <source>Mark %1 rows for review</source>
        <translation>
            <numerusform>Отметить для проверки %1 строку</numerusform>
            <numerusform>Отметить для проверки %1 строки</numerusform>
            <numerusform>Отметить для проверки %1 строк</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unmark %1 rows for review</source>
        <translation>
            <numerusform>Снять отметку проверки с %1 строки</numerusform>
            <numerusform>Снять отметку проверки с %1 строк</numerusform>
            <numerusform>Снять отметку проверки с %1 строк</numerusform>
        </translation>
    </message>
    <message>
        <source>Mark row done as it is</source>
        <translation>Отметить строку: готово как есть</translation>
    </message>
    <message>
        <source>Unmark row done as it is</source>
        <translation>Снять со строки отметку «готово как есть»</translation>
    </message>
    <message numerus="yes">
        <source>Mark %1 rows done as it is</source>
        <translation>
            <numerusform>Отметить %1 строку: готово как есть</numerusform>
            <numerusform>Отметить %1 строки: готово как есть</numerusform>
            <numerusform>Отметить %1 строк: готово как есть</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unmark %1 rows done as it is</source>
        <translation>
            <numerusform>Снять отметку «готово как есть» с %1 строки</numerusform>
            <numerusform>Снять отметку «готово как есть» с %1 строк</numerusform>
            <numerusform>Снять отметку «готово как есть» с %1 строк</numerusform>
        </translation>
    </message>
    <message>
        <source>Note on row %1</source>
        <translation>Заметка к строке %1</translation>
    </message>
    <message>
        <source>Use the translation of row %1 for every identical source</source>
        <translation>Перевод строки %1 для всех одинаковых оригиналов</translation>
    </message>
    <message>
        <source>%1 px</source>
        <translation>%1 пкс</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (U+%2) cannot be stored in code page %3. Choose the code page of your language on the Font page.</source>
        <translation>«%1» (U+%2) нельзя сохранить в кодовой странице %3. Выберите кодовую страницу вашего языка на странице «Шрифт».</translation>
    </message>
    <message>
        <source>%1% fuzzy</source>
        <translation>%1% неточно</translation>
    </message>
    <message>
        <source>Marked fuzzy in its memory: taken, the row is marked needs review</source>
        <translation>В своей памяти помечено как неточное: если взять, строка будет помечена как требующая проверки</translation>
    </message>
    <message>
        <source>Original: %1</source>
        <translation>Оригинал: %1</translation>
    </message>
    <message>
        <source>A translation memory could not be read; the suggestions come without it:

%1</source>
        <translation>Не удалось прочитать память переводов; подсказки будут без неё:

%1</translation>
    </message>
    <message>
        <source>Some translation memories could not be read; the suggestions come without them:

%1</source>
        <translation>Не удалось прочитать некоторые памяти переводов; подсказки будут без них:

%1</translation>
    </message>
    <message>
        <source>The spell check runs without the words of the kit&apos;s dictionary, which cannot be read. The file is left as it is: mend it (UTF-8 text, one word per line) and open the kit again to have its words back.</source>
        <translation>Проверка орфографии работает без слов словаря комплекта: его не удаётся прочитать. Файл оставлен как есть: исправьте его (текст UTF-8, по слову в строке) и откройте комплект снова, чтобы вернуть его слова.</translation>
    </message>
    <message>
        <source>The spell check is off: its dictionary cannot be used. Choose another one, or install it (Debian&apos;s hunspell packages, e.g. hunspell-en-us).</source>
        <translation>Проверка орфографии выключена: её словарь нельзя использовать. Выберите другой или установите его (пакеты hunspell в Debian, например hunspell-ru).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not added to the kit&apos;s dictionary:

%2

The file is left as it is.</source>
        <translation>«%1» не добавлено в словарь комплекта:

%2

Файл оставлен как есть.</translation>
    </message>
    <message>
        <source> - suggested for code page %1</source>
        <translation> — рекомендуется для кодовой страницы %1</translation>
    </message>
    <message>
        <source>Found in row %1.</source>
        <translation>Найдено в строке %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in no translation of the rows shown.</source>
        <translation>«%1» нет ни в одном переводе показанных строк.</translation>
    </message>
    <message>
        <source>Nothing replaced: row %1 would hold &quot;%2&quot; (U+%3), which code page %4 cannot store.</source>
        <translation>Ничего не заменено: строка %1 содержала бы «%2» (U+%3), которого нет в кодовой странице %4.</translation>
    </message>
    <message>
        <source>Nothing to replace in the rows shown.</source>
        <translation>В показанных строках нечего заменять.</translation>
    </message>
    <message>
        <source>Replaced %1 time(s) in %2 row(s).</source>
        <translation>Замен: %1, строк: %2.</translation>
    </message>
    <message>
        <source>Replace &quot;%1&quot; with &quot;%2&quot;</source>
        <translation>Замена «%1» на «%2»</translation>
    </message>
</context>
<context>
    <name>TranslationConsistency</name>
    <message numerus="yes">
        <source>%1 more</source>
        <translation>
            <numerusform>ещё %1</numerusform>
            <numerusform>ещё %1</numerusform>
            <numerusform>ещё %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>the same original is translated otherwise in row %1</source>
        <translation>тот же оригинал переведён иначе в строке %1</translation>
    </message>
    <message numerus="yes">
        <source>the same original is translated otherwise in rows %1</source>
        <translation>
            <numerusform>тот же оригинал переведён иначе в строках %1</numerusform>
            <numerusform>тот же оригинал переведён иначе в строках %1</numerusform>
            <numerusform>тот же оригинал переведён иначе в строках %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>orvanta::CodePage</name>
    <message>
        <source>Thai</source>
        <translation>Тайская</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Центральноевропейская</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Кириллица</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>Западноевропейская</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Греческая</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Турецкая</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Иврит</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Арабская</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Балтийская</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Вьетнамская</translation>
    </message>
</context>
<context>
    <name>orvanta::DocumentSuggestions</name>
    <message>
        <source>Take fuzzy suggestion for translation %1</source>
        <translation>Взять неточную подсказку для перевода %1</translation>
    </message>
</context>
<context>
    <name>orvanta::ExchangeActions</name>
    <message>
        <source>Texts (%1)</source>
        <translation>Тексты (%1)</translation>
    </message>
    <message>
        <source>All (*)</source>
        <translation>Все (*)</translation>
    </message>
    <message>
        <source>The older kit&apos;s folder (its kvmain.dat and lang.dat)</source>
        <translation>Папка старого комплекта (с его kvmain.dat и lang.dat)</translation>
    </message>
</context>
<context>
    <name>orvanta::FindReplaceWindow</name>
    <message>
        <source>Whole words only</source>
        <translation>Только слова целиком</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>С учётом регистра</translation>
    </message>
    <message>
        <source>Find and replace in translations</source>
        <translation>Поиск и замена в переводах</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Найти:</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Заменить на:</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Найти далее</translation>
    </message>
    <message>
        <source>Replace all</source>
        <translation>Заменить все</translation>
    </message>
</context>
<context>
    <name>orvanta::FontPage</name>
    <message>
        <source>ANNOTATION:</source>
        <translation>ПОЯСНЕНИЕ:</translation>
    </message>
    <message>
        <source>For drawing texts the game needs to get font (in your language) like collection of pictures. If you have not the standard font that we use in the game &quot;Arial 8pt&quot; you can use some other font.</source>
        <translation>Чтобы рисовать тексты, игре нужен шрифт (на вашем языке) в виде набора картинок. Если у вас нет стандартного шрифта игры «Arial 8pt», можно взять другой шрифт.</translation>
    </message>
    <message>
        <source>WARNING:</source>
        <translation>ВНИМАНИЕ:</translation>
    </message>
    <message>
        <source>If you want to get correct drawing of all the texts you must choose font that looks like the original and have the same size in pixels.</source>
        <translation>Чтобы все тексты рисовались правильно, выберите шрифт, похожий на оригинал и того же размера в пикселях.</translation>
    </message>
    <message>
        <source>If you have OS like Windows XP or any other that can draw texts with smooth effect. You must off this option before getting the font. You can do it in the screen properties. If you do not do this, the texts in the game may drawing incorrectly.</source>
        <translation>Если ваша система (например, Windows XP) умеет сглаживать текст, отключите эту настройку перед снятием шрифта. Это делается в свойствах экрана. Иначе тексты в игре могут рисоваться неправильно.</translation>
    </message>
    <message>
        <source>Window language:</source>
        <translation>Язык окна:</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Шрифт:</translation>
    </message>
    <message>
        <source>Choose font</source>
        <translation>Выбрать шрифт</translation>
    </message>
    <message>
        <source>Code page:</source>
        <translation>Кодировка:</translation>
    </message>
    <message>
        <source>Glyph sheet:</source>
        <translation>Таблица глифов:</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>По ширине</translation>
    </message>
    <message>
        <source>As the system</source>
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>Choose the font and code page of your language here; the translation is done on the &lt;a href=&quot;texts&quot;&gt;Texts&lt;/a&gt; page.</source>
        <translation>Выберите здесь шрифт и кодовую страницу вашего языка; переводят на странице &lt;a href=&quot;texts&quot;&gt;Тексты&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>The language of the window&apos;s texts, from the next start</source>
        <translation>Язык текстов окна, со следующего запуска</translation>
    </message>
    <message>
        <source>Originals: %1</source>
        <translation>Оригиналы: %1</translation>
    </message>
    <message>
        <source>The original texts are in code page %1, the game&apos;s; &quot;Code page:&quot; chooses the translations&apos;.</source>
        <translation>Исходные тексты — в кодовой странице %1, кодовой странице игры; «Кодировка:» выбирает кодовую страницу переводов.</translation>
    </message>
</context>
<context>
    <name>orvanta::KitDocument</name>
    <message>
        <source>Remove picture %1</source>
        <translation>Убрать картинку %1</translation>
    </message>
    <message>
        <source>Accept picture %1</source>
        <translation>Принять картинку %1</translation>
    </message>
    <message>
        <source>Choose font %1</source>
        <translation>Выбор шрифта %1</translation>
    </message>
    <message>
        <source>Choose code page %1</source>
        <translation>Выбор кодовой страницы %1</translation>
    </message>
    <message>
        <source>Refuse picture %1 for %2</source>
        <translation>Отклонить картинку %1 для %2</translation>
    </message>
</context>
<context>
    <name>orvanta::KvTool</name>
    <message>
        <source>list ARCHIVE                 entries: name, size, offset</source>
        <translation>list АРХИВ                   записи: имя, размер, смещение</translation>
    </message>
    <message>
        <source>extract ARCHIVE [NAME...]    write entries (all, or those named) to files</source>
        <translation>extract АРХИВ [ИМЯ...]      записать записи (все или названные) в файлы</translation>
    </message>
    <message>
        <source>pack OUT FILE...             write an archive of the files</source>
        <translation>pack ВЫХОД ФАЙЛ...          записать архив из файлов</translation>
    </message>
    <message>
        <source>texts build|export|import|migrate|widths|check ... the game&apos;s text files</source>
        <translation>texts build|export|import|migrate|widths|check ... текстовые файлы игры</translation>
    </message>
    <message>
        <source>glyphs --font F --size N ... the glyph files of a font</source>
        <translation>glyphs --font F --size N ... файлы глифов шрифта</translation>
    </message>
    <message>
        <source>render --glyphs DIR TEXT ... a text drawn as the game draws it, to a PNG</source>
        <translation>render --glyphs ПАПКА ТЕКСТ ... текст, нарисованный как в игре, в PNG</translation>
    </message>
    <message>
        <source>compile KITDIR [options]      a new lang.dat, as the save button makes it</source>
        <translation>compile ПАПКА [параметры]    новый lang.dat, как его делает кнопка сохранения</translation>
    </message>
    <message>
        <source>picture original|check|fit ... the nine button pictures</source>
        <translation>picture original|check|fit ... девять картинок кнопок</translation>
    </message>
    <message>
        <source>verify ARCHIVE               check an archive and the entries the kit knows</source>
        <translation>verify АРХИВ                 проверить архив и известные комплекту записи</translation>
    </message>
    <message>
        <source>Usage: kvtool COMMAND [ARGS...]

Commands:
</source>
        <translation>Использование: kvtool КОМАНДА [АРГУМЕНТЫ...]

Команды:
</translation>
    </message>
    <message>
        <source>
&apos;kvtool COMMAND --help&apos; describes a command and its options.</source>
        <translation>
«kvtool КОМАНДА --help» описывает команду и её параметры.</translation>
    </message>
    <message>
        <source>Lists the entries of a language archive in directory order: name, size and offset, tab-separated.</source>
        <translation>Перечисляет записи языкового архива в порядке каталога: имя, размер и смещение через табуляцию.</translation>
    </message>
    <message>
        <source>The archive, e.g. lang.dat.</source>
        <translation>Архив, например lang.dat.</translation>
    </message>
    <message>
        <source>Writes the bytes of archive entries to files named after them, in the current folder: each NAME, looked up as the kit does (upper-cased), or every entry when no NAME is given. -o names the file of a single entry. A folder part of an entry name is dropped, so nothing lands outside the folder; two entries that would land in one file (a name used twice, names that differ only in a folder part or in case) are refused before anything is written.</source>
        <translation>Записывает байты записей архива в файлы с их именами в текущей папке: каждое ИМЯ, найденное так же, как его ищет комплект (в верхнем регистре), или все записи, если ИМЯ не указано. -o задаёт файл для одной записи. Папка в имени записи отбрасывается, чтобы ничего не попало за пределы папки; две записи, которые попали бы в один файл (имя, указанное дважды, имена, различающиеся только папкой или регистром), отклоняются до того, как что-либо будет записано.</translation>
    </message>
    <message>
        <source>The entries, e.g. texts.dat.</source>
        <translation>Записи, например texts.dat.</translation>
    </message>
    <message>
        <source>Write to &lt;file&gt;.</source>
        <translation>Записать в &lt;file&gt;.</translation>
    </message>
    <message>
        <source>Writes a language archive with one entry per FILE, in the given order, named by the upper-cased bare file name. OUT is replaced only when the whole archive is written.</source>
        <translation>Записывает языковой архив с одной записью на каждый FILE в заданном порядке, с именем файла без пути в верхнем регистре. OUT заменяется только после того, как записан весь архив.</translation>
    </message>
    <message>
        <source>The archive to write.</source>
        <translation>Архив, который нужно записать.</translation>
    </message>
    <message>
        <source>The files to pack.</source>
        <translation>Файлы для упаковки.</translation>
    </message>
    <message>
        <source>Windows code page of the texts (default %1).</source>
        <translation>Кодовая страница Windows для текстов (по умолчанию %1).</translation>
    </message>
    <message>
        <source>Windows code page of the translations (default: the kit&apos;s own, as the window last used it, else %1); the sources are read in the game&apos;s.</source>
        <translation>Кодовая страница Windows для переводов (по умолчанию — своя страница комплекта, как её последний раз использовало окно, иначе %1); исходные тексты читаются в кодовой странице игры.</translation>
    </message>
    <message>
        <source>Save even when lang.dat holds more text records than the kit has source texts; the others are lost.</source>
        <translation>Сохранять, даже если в lang.dat больше текстовых записей, чем исходных текстов в комплекте; остальные будут потеряны.</translation>
    </message>
    <message>
        <source>Save even while the kit is open in a window.</source>
        <translation>Сохранять, даже когда комплект открыт в окне.</translation>
    </message>
    <message>
        <source>Replace lang.dat even when it is read-only.</source>
        <translation>Заменять lang.dat, даже если файл доступен только для чтения.</translation>
    </message>
    <message>
        <source>Save even when kvmain.dat&apos;s source texts are not those lang.dat&apos;s translations were saved against: each translation stays in its row.</source>
        <translation>Сохранять, даже если исходные тексты kvmain.dat не те, к которым были сохранены переводы lang.dat: каждый перевод остаётся в своей строке.</translation>
    </message>
    <message>
        <source>Font family, e.g. Arial.</source>
        <translation>Семейство шрифта, например Arial.</translation>
    </message>
    <message>
        <source>Size in points (whole number).</source>
        <translation>Размер в пунктах (целое число).</translation>
    </message>
    <message>
        <source>Bold.</source>
        <translation>Полужирный.</translation>
    </message>
    <message>
        <source>Italic.</source>
        <translation>Курсив.</translation>
    </message>
    <message>
        <source>Underlined.</source>
        <translation>Подчёркнутый.</translation>
    </message>
    <message>
        <source>Struck out.</source>
        <translation>Зачёркнутый.</translation>
    </message>
    <message>
        <source>Does what opening the kit in KITDIR, choosing the font and pictures and pressing &quot;Save data to lang.dat&quot; does: loads the texts and the pictures of lang.dat, resets the fixed texts, captures the font, tests the pictures, and replaces KITDIR/lang.dat only once the new one is complete, keeping the old one as KITDIR/lang.dat.bak. A refused picture prints the kit&apos;s message before anything is written; one the button would offer to convert to the game palette (every colour in it) is taken converted. A save that would write fewer text records than lang.dat holds is refused unless --allow-fewer-texts is given; one that replaces glyphs of another font or code page in lang.dat warns and goes on. Refuses while the kit is open in a window, unless --while-open. Waits a few seconds for another save of the same kit to end.</source>
        <translation>Делает то же, что открытие комплекта в KITDIR, выбор шрифта и картинок и нажатие «Save data to lang.dat»: загружает тексты и картинки lang.dat, сбрасывает фиксированные тексты, снимает шрифт, проверяет картинки и заменяет KITDIR/lang.dat только после того, как новый файл готов полностью, сохраняя старый как KITDIR/lang.dat.bak. Для отклонённой картинки выводится сообщение комплекта до того, как что-либо записано; картинка, которую кнопка предложила бы преобразовать в палитру игры (все её цвета в палитре есть), берётся преобразованной. Сохранение, которое записало бы меньше текстовых записей, чем содержит lang.dat, отклоняется, если не указан --allow-fewer-texts; сохранение, заменяющее в lang.dat глифы другого шрифта или кодовой страницы, предупреждает и продолжается. Отказывается работать, пока комплект открыт в окне, если не указан --while-open. Несколько секунд ждёт окончания другого сохранения того же комплекта.</translation>
    </message>
    <message>
        <source>The kit folder.</source>
        <translation>Папка комплекта.</translation>
    </message>
    <message>
        <source>A translated picture for a row (repeatable).</source>
        <translation>Переведённая картинка для строки (можно указывать несколько раз).</translation>
    </message>
    <message>
        <source>Captures the 256 codes of a font as the game&apos;s glyph files, exactly as the kit&apos;s save does, and writes font.spr and fontsize.dat into a folder. Code c draws the character that byte c stands for in the code page; code 0 draws nothing. Glyphs are drawn at 96 pixels per inch without smoothing.</source>
        <translation>Снимает 256 кодов шрифта в файлы глифов игры точно так же, как это делает сохранение комплекта, и записывает font.spr и fontsize.dat в папку. Код c рисует символ, которому соответствует байт c в кодовой странице; код 0 ничего не рисует. Глифы рисуются с разрешением 96 точек на дюйм без сглаживания.</translation>
    </message>
    <message>
        <source>Write the glyph files into &lt;dir&gt;.</source>
        <translation>Записать файлы глифов в &lt;dir&gt;.</translation>
    </message>
    <message>
        <source>Also draw the 256 glyph cells (16 x 16, enlarged) to &lt;png&gt;.</source>
        <translation>Также нарисовать 256 ячеек глифов (16 x 16, увеличенные) в &lt;png&gt;.</translation>
    </message>
    <message>
        <source>

Rows:</source>
        <translation>

Строки:</translation>
    </message>
    <message>
        <source>The catalogue row, 1 to 9.</source>
        <translation>Строка каталога, от 1 до 9.</translation>
    </message>
    <message>
        <source>Usage: kvtool picture original ROW OUT.bmp
       kvtool picture check ROW FILE.bmp
       kvtool picture fit ROW IN OUT.bmp [--nearest]

  original  writes a row&apos;s standard picture as an 8-bit BMP
  check     loads a redrawn BMP and tests it against the row&apos;s standard
            picture; prints &quot;accepted&quot; or the reason it is refused
  fit       puts any picture (PNG, BMP of any depth...) onto the game palette

Rows:</source>
        <translation>Использование: kvtool picture original ROW OUT.bmp
               kvtool picture check ROW FILE.bmp
               kvtool picture fit ROW IN OUT.bmp [--nearest]

  original  записывает стандартную картинку строки как 8-битный BMP
  check     загружает перерисованный BMP и проверяет его по стандартной
            картинке строки; выводит «accepted» или причину отказа
  fit       переводит любую картинку (PNG, BMP любой глубины...) в палитру игры

Строки:</translation>
    </message>
    <message>
        <source>Writes the standard picture of ROW as the kit&apos;s &quot;Save original picture&quot; does: 8 bits per pixel, uncompressed, with the game&apos;s 255-colour palette. OUT is replaced only once it is complete.</source>
        <translation>Записывает стандартную картинку строки ROW так же, как «Save original picture» в комплекте: 8 бит на пиксель, без сжатия, с 255-цветной палитрой игры. OUT заменяется только после того, как он записан полностью.</translation>
    </message>
    <message>
        <source>Loads FILE and tests it against the standard picture of ROW as the kit&apos;s &quot;Choose translated picture&quot; does: size, then pixel format, then palette. Prints &quot;accepted&quot; (exit code 0) or the kit&apos;s message: the refusal or why the file could not be loaded (exit code 1).</source>
        <translation>Загружает FILE и проверяет его по стандартной картинке строки ROW так же, как «Choose translated picture» в комплекте: размер, затем формат пикселей, затем палитра. Выводит «accepted» (код выхода 0) или сообщение комплекта: отказ или причину, по которой файл не удалось загрузить (код выхода 1).</translation>
    </message>
    <message>
        <source>The BMP file.</source>
        <translation>Файл BMP.</translation>
    </message>
    <message>
        <source>Map a colour the palette lacks to the nearest palette colour.</source>
        <translation>Заменять цвет, которого нет в палитре, ближайшим цветом палитры.</translation>
    </message>
    <message>
        <source>Reads IN, any picture Qt reads (PNG, BMP of any depth or palette order, ...), checks its size against the standard picture of ROW and refuses transparent pixels. When every pixel&apos;s colour is one of the game palette&apos;s 255 colours, writes OUT as an 8-bit BMP with exactly the game palette, as &quot;Save original picture&quot; writes it, and prints &quot;fitted: N colours&quot;. Otherwise writes nothing, prints how many pixels have other colours and where the first are (exit code 1); with --nearest each of them takes the nearest palette colour (RGB distance) and OUT is written.</source>
        <translation>Читает IN — любую картинку, которую читает Qt (PNG, BMP любой глубины или порядка палитры, ...), — проверяет её размер по стандартной картинке строки ROW и отклоняет прозрачные пиксели. Если цвет каждого пикселя — один из 255 цветов палитры игры, записывает OUT как 8-битный BMP ровно с палитрой игры, как его записывает «Save original picture», и выводит «fitted: N colours». Иначе ничего не записывает, а выводит, сколько пикселей имеют другие цвета и где находятся первые из них (код выхода 1); с --nearest каждый из них получает ближайший цвет палитры (по расстоянию RGB), и OUT записывается.</translation>
    </message>
    <message>
        <source>The redrawn picture.</source>
        <translation>Перерисованная картинка.</translation>
    </message>
    <message>
        <source>The BMP to write; replaced only once it is complete.</source>
        <translation>BMP для записи; заменяется только после того, как он записан полностью.</translation>
    </message>
    <message>
        <source>Draws TEXT as the game draws it from the glyph files font.spr and fontsize.dat in a folder (as &apos;kvtool glyphs&apos; writes them) and saves it as an RGBA PNG: transparent where the game draws nothing, black for the outline, white for the body. Prints the text&apos;s width in the game&apos;s pixels.</source>
        <translation>Рисует TEXT так, как его рисует игра по файлам глифов font.spr и fontsize.dat в папке (как их записывает «kvtool glyphs»), и сохраняет его как PNG RGBA: прозрачным там, где игра ничего не рисует, чёрным для контура, белым для тела букв. Выводит ширину текста в пикселях игры.</translation>
    </message>
    <message>
        <source>The text, written in the code page.</source>
        <translation>Текст, записанный в кодовой странице.</translation>
    </message>
    <message>
        <source>The folder holding font.spr and fontsize.dat.</source>
        <translation>Папка с font.spr и fontsize.dat.</translation>
    </message>
    <message>
        <source>Write the picture to &lt;png&gt;.</source>
        <translation>Записать картинку в &lt;png&gt;.</translation>
    </message>
    <message>
        <source>Repeat each pixel K x K times (1 to %1, default 1).</source>
        <translation>Повторить каждый пиксель K x K раз (от 1 до %1, по умолчанию 1).</translation>
    </message>
    <message>
        <source>Loads the texts of the kit in KITDIR as the kit does at start-up and checks every translation as the Texts page does. Prints one UTF-8 line per finding, ROW&lt;TAB&gt;CHECK&lt;TAB&gt;message, where CHECK is too-long (past 200 bytes; the save cuts the rest), spaces (leading or trailing spaces or tabs differ from the original&apos;s), placeholders (the printf codes differ in number or order), empty (an empty translation of a text that is not empty), fixed (a fixed text edited; every save resets it) or wider (drawn in the glyphs the next save writes, the translation is wider than the original both in the game&apos;s standard glyphs and in those glyphs, by more than the allowance the kit remembers, wider= in [texts] of orvanta-kit.ini, such as 4px or 10%; a font that draws every text wider is said once, on standard error), double-word (a word written twice in a row), punctuation (the end punctuation differs from the original&apos;s), double-space (two spaces inside) or control (a line break, tab or other control character inside that the original does not hold), inconsistent (another row of the same original holds another translation; rows not translated yet do not count), and with a dictionary spelling (a word of the translation that is not in the dictionary, nor in the kit&apos;s own orvanta-kit.words, nor in the original). The exit code is 1 when there is any finding, 0 when there is none.</source>
        <translation>Загружает тексты комплекта в KITDIR так же, как комплект при запуске, и проверяет каждый перевод так же, как страница «Тексты». Выводит по одной строке UTF-8 на каждую находку, ROW&lt;TAB&gt;CHECK&lt;TAB&gt;сообщение, где CHECK — это too-long (больше 200 байт; сохранение обрезает остаток), spaces (пробелы или табуляции в начале или в конце отличаются от оригинала), placeholders (коды printf отличаются числом или порядком), empty (пустой перевод непустого текста), fixed (изменён фиксированный текст; каждое сохранение его сбрасывает) или wider (в глифах, которые запишет следующее сохранение, перевод шире оригинала — и в стандартных глифах игры, и в этих глифах — больше чем на допуск, который помнит комплект, wider= в [texts] файла orvanta-kit.ini, например 4px или 10%; о шрифте, который рисует шире каждый текст, сообщается один раз, в стандартный поток ошибок), double-word (слово, написанное дважды подряд), punctuation (знак препинания в конце отличается от оригинала), double-space (два пробела внутри) или control (перевод строки, табуляция или другой управляющий символ внутри, которого нет в оригинале), inconsistent (другая строка с тем же оригиналом содержит другой перевод; ещё не переведённые строки не считаются), а со словарём — spelling (слово перевода, которого нет ни в словаре, ни в собственном orvanta-kit.words комплекта, ни в оригинале). Код выхода 1, если есть хотя бы одна находка, и 0, если их нет.</translation>
    </message>
    <message>
        <source>Check the spelling with the Hunspell dictionary of this language (e.g. en_US; default: the one the kit&apos;s window last used, if any).</source>
        <translation>Проверять орфографию по словарю Hunspell этого языка (например en_US; по умолчанию — тот, который последним использовало окно комплекта, если такой есть).</translation>
    </message>
    <message>
        <source>Makes a text file of the game (record size 200, then one 200-byte record per text) from a UTF-8 text file with one text per line. Spaces are kept as they stand; a text that the code page cannot hold, or one longer than 200 bytes, is an error.</source>
        <translation>Создаёт текстовый файл игры (размер записи 200, затем по одной 200-байтовой записи на текст) из текстового файла UTF-8 с одним текстом в строке. Пробелы сохраняются как есть; текст, который не помещается в кодовую страницу, или текст длиннее 200 байт — ошибка.</translation>
    </message>
    <message>
        <source>UTF-8 text, one text per line.</source>
        <translation>Текст UTF-8, по одному тексту в строке.</translation>
    </message>
    <message>
        <source>The text file to write.</source>
        <translation>Текстовый файл для записи.</translation>
    </message>
    <message>
        <source>%1 (default: the output file&apos;s name: %2, else csv).</source>
        <translation>%1 (по умолчанию — по имени выходного файла: %2, иначе csv).</translation>
    </message>
    <message>
        <source>Write to &lt;file&gt;, replaced only once complete (default: standard output).</source>
        <translation>Записать в &lt;file&gt;, который заменяется только после полной записи (по умолчанию — стандартный вывод).</translation>
    </message>
    <message>
        <source>Applies a CSV, PO or XLIFF file (as texts export writes them, edited in a spreadsheet, a translation editor or a CAT tool) to the texts of the kit in KITDIR and saves a new KITDIR/lang.dat as the save button does, with the font and code page the kit remembers (a PO&apos;s X-Orvanta-Codepage header, or an XLIFF&apos;s x-codepage count, when --codepage is not given). An entry counts for the one row where its source stands now; where it stands in several, for the row its context (msgctxt) or, failing that, the row it names says; entries marked for review (fuzzy) are imported and marked needs review; entries without a translation bring their marks and notes; changed sources, obsolete entries and unknown rows are skipped. A translation the code page cannot hold, or one longer than 200 bytes, is refused: then nothing is written, unless --skip-refused. The report goes to standard error. Refuses while the kit is open in a window, unless --while-open; reads the kit under its save lock, so a save that ends meanwhile is built on, not lost.</source>
        <translation>Применяет файл CSV, PO или XLIFF (как их записывает texts export, отредактированный в электронной таблице, редакторе переводов или CAT-инструменте) к текстам комплекта в KITDIR и сохраняет новый KITDIR/lang.dat, как кнопка сохранения, со шрифтом и кодовой страницей, которые помнит комплект (заголовок X-Orvanta-Codepage в PO или атрибут x-codepage в XLIFF, если --codepage не указан). Запись относится к той единственной строке, где сейчас стоит её оригинал; если он стоит в нескольких, — к строке, которую указывает её контекст (msgctxt) или, если его нет, названная в ней строка; записи, отмеченные для проверки (fuzzy), импортируются и помечаются как требующие проверки; записи без перевода переносят свои отметки и заметки; изменённые оригиналы, устаревшие записи и неизвестные строки пропускаются. Перевод, который не помещается в кодовую страницу, или перевод длиннее 200 байт отклоняется: тогда ничего не записывается, если не указан --skip-refused. Отчёт выводится в стандартный поток ошибок. Отказывается работать, пока комплект открыт в окне, если не указан --while-open; читает комплект под его блокировкой сохранения, так что сохранение, закончившееся в это время, учитывается, а не теряется.</translation>
    </message>
    <message>
        <source>A %1 file.</source>
        <translation>Файл (%1).</translation>
    </message>
    <message>
        <source>Import the other translations when some are refused.</source>
        <translation>Импортировать остальные переводы, если некоторые отклонены.</translation>
    </message>
    <message>
        <source>Carries the translations of OLDKIT, a kit folder of an older game version (its kvmain.dat and lang.dat), over to the kit in KITDIR and saves a new KITDIR/lang.dat as texts import does. Each old translation goes to every row whose source text is the same, wherever it moved; a source that changed a little (at least 80% alike) gets the old translation marked needs review; a row translated in KITDIR already is never overwritten. Marks and notes go with their texts (a reworded one keeps its note), and the redrawn pictures, the kit dictionary&apos;s words and the settings KITDIR has none of yet (font, code page, spell check, memories) come along. Without OLDKIT, the translations of KITDIR&apos;s own lang.dat are carried from the source texts they were saved against to where those stand in KITDIR&apos;s kvmain.dat now (after a new kvmain.dat was put in). The report (carried, carried for review, new rows, translations of sources that are gone, rows left as they were, marks, notes, pictures, words, settings) goes to standard error. Refuses while the kit is open in a window, unless --while-open.</source>
        <translation>Переносит переводы из OLDKIT — папки комплекта старой версии игры (её kvmain.dat и lang.dat) — в комплект в KITDIR и сохраняет новый KITDIR/lang.dat, как texts import. Каждый старый перевод попадает в каждую строку с тем же исходным текстом, куда бы он ни переместился; оригинал, который немного изменился (похож не менее чем на 80%), получает старый перевод с отметкой «требует проверки»; строка, уже переведённая в KITDIR, никогда не перезаписывается. Отметки и заметки идут вместе со своими текстами (изменённый текст сохраняет свою заметку), а перерисованные картинки, слова словаря комплекта и настройки, которых в KITDIR ещё нет (шрифт, кодовая страница, проверка орфографии, память переводов), переносятся тоже. Без OLDKIT переводы собственного lang.dat из KITDIR переносятся от исходных текстов, к которым они были сохранены, туда, где эти тексты стоят сейчас в kvmain.dat из KITDIR (после того как был положен новый kvmain.dat). Отчёт (перенесено, перенесено для проверки, новые строки, переводы исчезнувших оригиналов, строки, оставленные как были, отметки, заметки, картинки, слова, настройки) выводится в стандартный поток ошибок. Отказывается работать, пока комплект открыт в окне, если не указан --while-open.</translation>
    </message>
    <message>
        <source>The older kit folder.</source>
        <translation>Папка старого комплекта.</translation>
    </message>
    <message>
        <source>Loads the texts of the kit in KITDIR as the kit does at start-up and prints what the Texts page suggests for row ROW (from 1): the translations of identical and similar originals (at least 75% alike: one less the edit distance over the longer text&apos;s characters, case kept; texts shorter than 12 characters more, up to identical) from the kit&apos;s other rows and from the translation memories, those the kit remembers and each --memory; an entry its memory marks fuzzy scores 10 points less, and its ORIGIN ends in &quot;, fuzzy&quot;. Prints one UTF-8 line per suggestion, PERCENT&lt;TAB&gt;SOURCE&lt;TAB&gt;TRANSLATION&lt;TAB&gt;ORIGIN, best first, at most 20; a backslash, tab or line break in a text is written \\, \t, \n or \r. A memory that cannot be read is warned about and left out, and the exit code is then 3.</source>
        <translation>Загружает тексты комплекта в KITDIR так же, как комплект при запуске, и выводит то, что страница «Тексты» предлагает для строки ROW (с 1): переводы одинаковых и похожих оригиналов (похожих не менее чем на 75%: единица минус расстояние редактирования, делённое на число символов более длинного текста, с учётом регистра; для текстов короче 12 символов — больше, вплоть до полного совпадения) из других строк комплекта и из памяти переводов — той, что помнит комплект, и каждой --memory; запись, которую её память отмечает как fuzzy, получает на 10 пунктов меньше, а её ORIGIN оканчивается на «, fuzzy». Выводит по одной строке UTF-8 на предложение, PERCENT&lt;TAB&gt;SOURCE&lt;TAB&gt;TRANSLATION&lt;TAB&gt;ORIGIN, лучшие первыми, не больше 20; обратная косая черта, табуляция или перевод строки в тексте записываются как \\, \t, \n или \r. О памяти, которую не удалось прочитать, выводится предупреждение, она пропускается, и код выхода тогда 3.</translation>
    </message>
    <message>
        <source>The row number, from 1.</source>
        <translation>Номер строки, начиная с 1.</translation>
    </message>
    <message>
        <source>A translation memory: a %1 file, or another kit folder (its kvmain.dat and lang.dat).</source>
        <translation>Память переводов: файл (%1) или папка другого комплекта (её kvmain.dat и lang.dat).</translation>
    </message>
    <message>
        <source>Loads the texts of the kit in KITDIR as the kit does at start-up and writes to standard output, as CSV with the header row,source_px,translation_px, how many pixels wide the game draws each one: the source in the game&apos;s standard glyphs (Arial 8, in the sources&apos; code page), the translation in the glyphs the next save would write (the kit&apos;s font and code page, or those given).</source>
        <translation>Загружает тексты комплекта в KITDIR так же, как комплект при запуске, и записывает в стандартный вывод как CSV с заголовком row,source_px,translation_px, какой ширины в пикселях игра рисует каждый текст: оригинал — стандартными глифами игры (Arial 8, в кодовой странице оригиналов), перевод — глифами, которые записало бы следующее сохранение (шрифт и кодовая страница комплекта или указанные).</translation>
    </message>
    <message>
        <source>Checks a language archive before it is shipped: the directory against the file (entries past the end, overlapping data, names used twice, names that are empty, not upper-case or not NUL-terminated), then TEXTS.DAT and KVTEXTS.DAT (2-byte header 200, whole 200-byte records), FONT.SPR (count 256, offset table, every glyph record), FONTSIZE.DAT (256 widths that fit the glyph records) and each .PAD picture (the catalogue&apos;s size for its name, the game&apos;s palette). Prints one line per finding, or &quot;no problems found&quot;; the exit code is 0 only when there are none.</source>
        <translation>Проверяет языковой архив перед выпуском: каталог по файлу (записи за концом файла, перекрывающиеся данные, имена, указанные дважды, пустые, не в верхнем регистре или не завершённые NUL), затем TEXTS.DAT и KVTEXTS.DAT (2-байтовый заголовок 200, целые записи по 200 байт), FONT.SPR (число 256, таблица смещений, каждая запись глифа), FONTSIZE.DAT (256 ширин, подходящих к записям глифов) и каждую картинку .PAD (размер по каталогу для её имени, палитра игры). Выводит по строке на находку или «no problems found»; код выхода 0, только если находок нет.</translation>
    </message>
    <message>
        <source>Usage: kvtool texts build SOURCE.txt OUT.dat [--codepage NUMBER]
       kvtool texts export KITDIR [--format %1] [-o FILE]
                          [--language LL] [--codepage NUMBER]
       kvtool texts import KITDIR FILE [--codepage NUMBER] [--skip-refused]
       kvtool texts migrate KITDIR OLDKIT [--codepage NUMBER]
       kvtool texts check KITDIR [--codepage NUMBER]
       kvtool texts widths KITDIR [--codepage NUMBER] [--font F --size N ...]
       kvtool texts suggest KITDIR ROW [--memory FILE_OR_KIT]... [--codepage NUMBER]

  build    makes a text file (200-byte records) from a UTF-8 text file,
           one text per line
  export   writes the kit&apos;s texts as CSV, PO, a PO template, XLIFF or
           XLIFF for OmegaT (each target its source), or their
           translations as TMX, loaded from KITDIR exactly as the kit
           loads them at start-up
  import   applies a %2 file to the kit&apos;s
           texts and saves a new lang.dat as the save button does
  migrate  carries the translations of an older kit folder over to the
           kit&apos;s texts (moved and reworded ones too) and saves as import
  check    checks every translation as the Texts page does, one line
           per finding
  widths   writes how wide the game draws each text as CSV
           (row,source_px,translation_px)
  suggest  prints the translations of identical and similar originals for
           a row, from the kit&apos;s other rows and translation memories</source>
        <translation>Использование: kvtool texts build SOURCE.txt OUT.dat [--codepage NUMBER]
               kvtool texts export KITDIR [--format %1] [-o FILE]
                                  [--language LL] [--codepage NUMBER]
               kvtool texts import KITDIR FILE [--codepage NUMBER] [--skip-refused]
               kvtool texts migrate KITDIR OLDKIT [--codepage NUMBER]
               kvtool texts check KITDIR [--codepage NUMBER]
               kvtool texts widths KITDIR [--codepage NUMBER] [--font F --size N ...]
               kvtool texts suggest KITDIR ROW [--memory FILE_OR_KIT]... [--codepage NUMBER]

  build    создаёт текстовый файл (записи по 200 байт) из текстового файла UTF-8,
           по одному тексту в строке
  export   записывает тексты комплекта как CSV, PO, шаблон PO, XLIFF или
           XLIFF для OmegaT (в каждом target — оригинал) либо их переводы
           как TMX, загруженные из KITDIR точно так же, как комплект
           загружает их при запуске
  import   применяет файл (%2) к текстам
           комплекта и сохраняет новый lang.dat, как кнопка сохранения
  migrate  переносит переводы из папки старого комплекта в тексты комплекта
           (и перемещённые, и изменённые) и сохраняет, как import
  check    проверяет каждый перевод, как страница «Тексты», по строке
           на находку
  widths   записывает как CSV, какой ширины игра рисует каждый текст
           (row,source_px,translation_px)
  suggest  выводит переводы одинаковых и похожих оригиналов для строки
           из других строк комплекта и из памяти переводов</translation>
    </message>
    <message>
        <source>Loads the texts of the kit in KITDIR exactly as the kit does at start-up (&quot;kvtexts.dat&quot; and &quot;texts.dat&quot;, each from lang.dat first, then kvmain.dat) and writes them for the translators&apos; own tools: as UTF-8 CSV with the header row,source,translation,needs_review,note; as a gettext PO file with one entry per text, found by its source (the row as a kvtexts.dat reference, msgctxt only where a source stands in several rows, msgid the source, msgstr the translation, empty while untranslated); as a PO template (every msgstr empty, for msgmerge and Weblate); as XLIFF 1.2 for CAT tools (one trans-unit per row, with the 200-byte limit and the source&apos;s width in the game&apos;s pixels); as XLIFF for OmegaT (the same with every target its source, in state new: OmegaT translates a target&apos;s text); or the translations as a TMX 1.4 memory for CAT tools (one tu per translated row; OmegaT inserts those in its project&apos;s tm/auto folder, a source translated differently in several rows only in the XLIFF for OmegaT of the TMX&apos;s name, between the same neighbours).</source>
        <translation>Загружает тексты комплекта в KITDIR точно так же, как комплект при запуске («kvtexts.dat» и «texts.dat», каждый сначала из lang.dat, затем из kvmain.dat), и записывает их для собственных инструментов переводчиков: как CSV в UTF-8 с заголовком row,source,translation,needs_review,note; как файл PO gettext с одной записью на текст, находимой по оригиналу (строка как ссылка kvtexts.dat, msgctxt только там, где оригинал стоит в нескольких строках, msgid — оригинал, msgstr — перевод, пустой, пока текст не переведён); как шаблон PO (все msgstr пустые, для msgmerge и Weblate); как XLIFF 1.2 для CAT-инструментов (одна trans-unit на строку, с ограничением в 200 байт и шириной оригинала в пикселях игры); как XLIFF для OmegaT (то же, но в каждом target — оригинал в состоянии new: OmegaT переводит текст target); или переводы как память TMX 1.4 для CAT-инструментов (одна tu на переведённую строку; OmegaT вставляет их из папки tm/auto своего проекта, а оригинал, переведённый в нескольких строках по-разному, — только в XLIFF для OmegaT с именем TMX, между теми же соседями).</translation>
    </message>
    <message>
        <source>The translation&apos;s language code (ru, pt_BR) for the PO header, XLIFF target-language and TMX (default: the one the kit remembers, else the one language of the code page).</source>
        <translation>Код языка перевода (ru, pt_BR) для заголовка PO, target-language в XLIFF и TMX (по умолчанию — тот, что помнит комплект, иначе единственный язык кодовой страницы).</translation>
    </message>
</context>
<context>
    <name>orvanta::PaletteFit</name>
    <message>
        <source>All colours of this picture are in the game palette. Use it converted to the game palette?</source>
        <translation>Все цвета этой картинки есть в палитре игры. Использовать её, переведя в палитру игры?</translation>
    </message>
    <message>
        <source>1 pixel has a colour that is not in the game palette:</source>
        <translation>1 пиксель имеет цвет, которого нет в палитре игры:</translation>
    </message>
    <message numerus="yes">
        <source>%1 pixels have colours that are not in the game palette:</source>
        <translation>
            <numerusform>%1 пиксель имеет цвет, которого нет в палитре игры:</numerusform>
            <numerusform>%1 пикселя имеют цвета, которых нет в палитре игры:</numerusform>
            <numerusform>%1 пикселей имеют цвета, которых нет в палитре игры:</numerusform>
        </translation>
    </message>
    <message>
        <source>
  and %1 more</source>
        <translation>
  и ещё %1</translation>
    </message>
</context>
<context>
    <name>orvanta::PictureCatalogue</name>
    <message>
        <source>&quot;Stock&quot; Pressed (Storage menu)</source>
        <translation>«Stock» нажата (меню склада)</translation>
    </message>
    <message>
        <source>&quot;Stock&quot; Selected (Storage menu)</source>
        <translation>«Stock» выбрана (меню склада)</translation>
    </message>
    <message>
        <source>&quot;Sites&quot; Pressed (Map menu)</source>
        <translation>«Sites» нажата (меню карты)</translation>
    </message>
    <message>
        <source>&quot;Budget&quot; (Map menu)</source>
        <translation>«Budget» (меню карты)</translation>
    </message>
    <message>
        <source>&quot;Pursue&quot; (Map menu)</source>
        <translation>«Pursue» (меню карты)</translation>
    </message>
    <message>
        <source>&quot;Settings&quot; (Map menu)</source>
        <translation>«Settings» (меню карты)</translation>
    </message>
    <message>
        <source>&quot;Archive&quot; (Map menu)</source>
        <translation>«Archive» (меню карты)</translation>
    </message>
    <message>
        <source>All buttons (Map menu)</source>
        <translation>Все кнопки (меню карты)</translation>
    </message>
    <message>
        <source>&quot;Stock&quot; (Storage menu)</source>
        <translation>«Stock» (меню склада)</translation>
    </message>
</context>
<context>
    <name>orvanta::PicturesPage</name>
    <message>
        <source>ANNOTATION:</source>
        <translation>ПОЯСНЕНИЕ:</translation>
    </message>
    <message>
        <source>Some texts can&apos;t fit in buttons boundaries and it was added to the game like pictures. You can translate this texts by correcting this pictures. Source images you can find in &quot;Sources&quot; subdirectory of this Localization Kit.</source>
        <translation>Некоторые тексты не помещаются в кнопки и добавлены в игру картинками. Их можно перевести, исправив эти картинки. Исходные картинки лежат в подпапке «Sources» этого комплекта.</translation>
    </message>
    <message>
        <source>WARNING:</source>
        <translation>ВНИМАНИЕ:</translation>
    </message>
    <message>
        <source>Do not modify color table or color definition because the game uses it&apos;s own palette and drawing methods!</source>
        <translation>Не меняйте таблицу цветов и определения цветов: игра использует свою палитру и свои способы рисования!</translation>
    </message>
    <message>
        <source>Standard picture:</source>
        <translation>Стандартная картинка:</translation>
    </message>
    <message>
        <source>Translated picture:</source>
        <translation>Переведённая картинка:</translation>
    </message>
    <message>
        <source>Picture selection:</source>
        <translation>Выбор картинки:</translation>
    </message>
    <message>
        <source>Redrawn pictures may be BMP or PNG files. When every colour of a picture is in the game palette, the kit offers to convert it to the palette.</source>
        <translation>Перерисованные картинки могут быть файлами BMP или PNG. Если все цвета картинки есть в палитре игры, комплект предложит перевести её в эту палитру.</translation>
    </message>
    <message>
        <source>Save original picture</source>
        <translation>Сохранить исходную</translation>
    </message>
    <message>
        <source>Choose translated picture</source>
        <translation>Выбрать переведённую</translation>
    </message>
    <message>
        <source>Remove translated picture</source>
        <translation>Убрать переведённую</translation>
    </message>
    <message>
        <source>All (*.*)</source>
        <translation>Все (*.*)</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Точечные рисунки (*.bmp)</translation>
    </message>
    <message>
        <source>Pictures (*.bmp *.png)</source>
        <translation>Картинки (*.bmp *.png)</translation>
    </message>
    <message>
        <source>Zoom %1x</source>
        <translation>Масштаб %1x</translation>
    </message>
</context>
<context>
    <name>orvanta::ReviewPanels</name>
    <message>
        <source>Preview</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>The current row as the game will draw it</source>
        <translation>Текущая строка так, как её нарисует игра</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Предупреждения</translation>
    </message>
</context>
<context>
    <name>orvanta::SpellingCheck</name>
    <message>
        <source>&quot;%1&quot; is not in the %2 dictionary</source>
        <translation>«%1» нет в словаре %2</translation>
    </message>
</context>
<context>
    <name>orvanta::SpellingMenu</name>
    <message>
        <source>Spell check</source>
        <translation>Проверка орфографии</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>(no suggestions)</source>
        <translation>(нет вариантов)</translation>
    </message>
    <message>
        <source>Add to the kit&apos;s dictionary</source>
        <translation>Добавить в словарь комплекта</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Пропустить</translation>
    </message>
</context>
<context>
    <name>orvanta::SuggestionsList</name>
    <message>
        <source>Suggestion</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Откуда</translation>
    </message>
    <message>
        <source>Translations of identical and similar originals. Double-click or Enter takes one, Alt+1 to Alt+9 the first nine.</source>
        <translation>Переводы одинаковых и похожих оригиналов. Двойной щелчок или Enter берёт подсказку, Alt+1…Alt+9 — одну из первых девяти.</translation>
    </message>
</context>
<context>
    <name>orvanta::SuggestionsPanel</name>
    <message>
        <source>A translation memory: a %1 file, or another kit&apos;s kvmain.dat</source>
        <translation>Память переводов: файл %1 или kvmain.dat другого комплекта</translation>
    </message>
    <message>
        <source>Translation memories (%1 kvmain.dat)</source>
        <translation>Памяти переводов (%1 kvmain.dat)</translation>
    </message>
    <message>
        <source>All (*)</source>
        <translation>Все (*)</translation>
    </message>
</context>
<context>
    <name>orvanta::TMainForm</name>
    <message>
        <source>Orvanta Localization Kit V1.2 (For Orvanta V1.25) - Kolvane Sofware</source>
        <translation>Комплект локализации Orvanta V1.2 (для Orvanta V1.25) — Kolvane Software</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Картинки</translation>
    </message>
    <message>
        <source>Texts</source>
        <translation>Тексты</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>Save data to &quot;lang.dat&quot;</source>
        <translation>Сохранить в «lang.dat»</translation>
    </message>
</context>
<context>
    <name>orvanta::TextChecksList</name>
    <message>
        <source>Row</source>
        <translation>Строка</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Проверка</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Every check</source>
        <translation>Все проверки</translation>
    </message>
    <message>
        <source>Only %1</source>
        <translation>Только %1</translation>
    </message>
    <message>
        <source>Every warning but wider</source>
        <translation>Все предупреждения, кроме wider</translation>
    </message>
</context>
<context>
    <name>orvanta::TextEditCommand</name>
    <message>
        <source>Edit source text %1</source>
        <translation>Правка исходного текста %1</translation>
    </message>
    <message>
        <source>Edit translation %1</source>
        <translation>Правка перевода %1</translation>
    </message>
</context>
<context>
    <name>orvanta::TextPreview</name>
    <message>
        <source>Original:</source>
        <translation>Оригинал:</translation>
    </message>
    <message>
        <source>Translated:</source>
        <translation>Перевод:</translation>
    </message>
    <message>
        <source>Enlarge the game&apos;s pixels</source>
        <translation>Увеличить пиксели игры</translation>
    </message>
</context>
<context>
    <name>orvanta::TextTableModel</name>
    <message>
        <source>Original texts</source>
        <translation>Исходные тексты</translation>
    </message>
</context>
<context>
    <name>orvanta::TextsNavigation</name>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>Untranslated</source>
        <translation>Не переведённые</translation>
    </message>
    <message>
        <source>Translated</source>
        <translation>Переведённые</translation>
    </message>
    <message>
        <source>Needs review</source>
        <translation>Требуют проверки</translation>
    </message>
    <message>
        <source>With warnings</source>
        <translation>С предупреждениями</translation>
    </message>
    <message>
        <source>With notes</source>
        <translation>С заметками</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Неизменяемые</translation>
    </message>
    <message>
        <source>Search texts (Ctrl+F)</source>
        <translation>Поиск текстов (Ctrl+F)</translation>
    </message>
    <message>
        <source>Shows the rows whose original or translation holds this text. Enter: translate the first row shown. Escape: show every row again.</source>
        <translation>Показывает строки, в оригинале или переводе которых есть этот текст. Enter: перевести первую показанную строку. Escape: снова показать все строки.</translation>
    </message>
    <message>
        <source>Which rows the grid shows</source>
        <translation>Какие строки показывает таблица</translation>
    </message>
    <message>
        <source>Drawn wider</source>
        <translation>Нарисованные шире</translation>
    </message>
</context>
<context>
    <name>orvanta::TextsPage</name>
    <message>
        <source>ANNOTATION</source>
        <translation>ПОЯСНЕНИЕ</translation>
    </message>
    <message>
        <source>You can translate any texts of the game that you want. Original texts is in the left side and translated texts is in the right side of the grid.</source>
        <translation>Можно перевести любые тексты игры. Исходные тексты — в левой части таблицы, переведённые — в правой.</translation>
    </message>
    <message>
        <source>WARNING:</source>
        <translation>ВНИМАНИЕ:</translation>
    </message>
    <message>
        <source>Do not forget spaces in the beginning and ending of each line if you do not add it like in the original texts, the texts may drawing incorrectly!</source>
        <translation>Не забывайте пробелы в начале и в конце каждой строки: если их нет, как в оригинале, тексты могут рисоваться неправильно!</translation>
    </message>
    <message>
        <source>Export texts...</source>
        <translation>Экспорт текстов...</translation>
    </message>
    <message>
        <source>Import texts...</source>
        <translation>Импорт текстов...</translation>
    </message>
    <message>
        <source>Original text:</source>
        <translation>Исходный текст:</translation>
    </message>
    <message>
        <source>Translated text:</source>
        <translation>Перевод:</translation>
    </message>
    <message>
        <source>Take translations from an older kit...</source>
        <translation>Перенести переводы из старого комплекта...</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Next untranslated row</source>
        <translation>Следующая непереведённая строка</translation>
    </message>
    <message>
        <source>Go to row...</source>
        <translation>Перейти к строке...</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Предупреждения</translation>
    </message>
    <message>
        <source>Needs review</source>
        <translation>Требует проверки</translation>
    </message>
    <message>
        <source>Done as it is</source>
        <translation>Готово как есть</translation>
    </message>
    <message>
        <source>Edit note...</source>
        <translation>Изменить заметку...</translation>
    </message>
    <message>
        <source>Use this translation for every identical source</source>
        <translation>Этот перевод для всех одинаковых оригиналов</translation>
    </message>
    <message>
        <source>Add translation memory...</source>
        <translation>Добавить память переводов...</translation>
    </message>
    <message>
        <source>Forget translation memories</source>
        <translation>Забыть памяти переводов</translation>
    </message>
    <message>
        <source>Take suggestion %1</source>
        <translation>Взять подсказку %1</translation>
    </message>
    <message>
        <source>Find and replace...</source>
        <translation>Найти и заменить...</translation>
    </message>
    <message>
        <source>Allowed width...</source>
        <translation>Допустимая ширина...</translation>
    </message>
</context>
<context>
    <name>orvanta::TranslatedPictureCheck</name>
    <message>
        <source>Translated picture sizes mismatch!</source>
        <translation>Размер переведённой картинки не совпадает!</translation>
    </message>
    <message>
        <source>Translated picture colors definition mismatch!</source>
        <translation>Определение цветов переведённой картинки не совпадает!</translation>
    </message>
    <message>
        <source>Translated picture palette differs from original!</source>
        <translation>Палитра переведённой картинки отличается от исходной!</translation>
    </message>
</context>
<context>
    <name>orvanta::TranslationEditor</name>
    <message>
        <source>The current row&apos;s translation, on as many lines as it needs</source>
        <translation>Перевод текущей строки на стольких строках, сколько ему нужно</translation>
    </message>
</context>
<context>
    <name>orvanta::WiderAllowanceDialog</name>
    <message>
        <source>Allowed width</source>
        <translation>Допустимая ширина</translation>
    </message>
    <message>
        <source>A translation drawn wider than its original is listed as &quot;wider&quot; only when it is wider by more than this:</source>
        <translation>Перевод, нарисованный шире оригинала, попадает в список как «wider», только когда он шире больше чем на столько:</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>пикселей</translation>
    </message>
    <message>
        <source>% of the original&apos;s width</source>
        <translation>% ширины оригинала</translation>
    </message>
</context>
<context>
    <name>orvanta::WiderTextCheck</name>
    <message>
        <source>the translation is drawn %1 pixels wide, the original %2 pixels</source>
        <translation>перевод рисуется шириной %1 пкс, оригинал — %2 пкс</translation>
    </message>
    <message>
        <source> (%1 in this font)</source>
        <translation> (%1 в этом шрифте)</translation>
    </message>
</context>
</TS>
