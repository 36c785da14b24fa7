<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru_RU">
<context>
    <name>CopyCommands</name>
    <message>
        <source>&amp;Копировать в буфер обмена</source>
        <translation>&amp;Copy to Clipboard</translation>
    </message>
    <message>
        <source>Копировать выделенные опкоды в буфер обмена</source>
        <translation>Copy the selected opcodes to the clipboard</translation>
    </message>
    <message>
        <source>&amp;Добавить в буфер обмена</source>
        <translation>A&amp;dd to Clipboard</translation>
    </message>
    <message>
        <source>Добавить выделенные опкоды к содержимому буфера обмена</source>
        <translation>Add the selected opcodes to what the clipboard holds</translation>
    </message>
    <message>
        <source>Копировать &amp;всё в буфер обмена</source>
        <translation>Copy &amp;All to Clipboard</translation>
    </message>
    <message>
        <source>Копировать все опкоды в списке в буфер обмена</source>
        <translation>Copy all the opcodes of the list to the clipboard</translation>
    </message>
    <message>
        <source>Добавить вс&amp;ё в буфер обмена</source>
        <translation>Add A&amp;ll to Clipboard</translation>
    </message>
    <message>
        <source>Добавить все опкоды в списке к содержимому буфера обмена</source>
        <translation>Add all the opcodes of the list to what the clipboard holds</translation>
    </message>
    <message>
        <source>Ни один опкод не выделен!</source>
        <translation>No opcode is selected!</translation>
    </message>
</context>
<context>
    <name>FontDialogs</name>
    <message>
        <source>Цвет текста окна</source>
        <translation>Window Text</translation>
    </message>
    <message>
        <source>&amp;Цвет:</source>
        <translation>&amp;Colour:</translation>
    </message>
    <message>
        <source>Чёрный</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Бордовый</source>
        <translation>Maroon</translation>
    </message>
    <message>
        <source>Зелёный</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Оливковый</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Тёмно-синий</source>
        <translation>Navy</translation>
    </message>
    <message>
        <source>Фиолетовый</source>
        <translation>Purple</translation>
    </message>
    <message>
        <source>Сине-зелёный</source>
        <translation>Teal</translation>
    </message>
    <message>
        <source>Серый</source>
        <translation>Grey</translation>
    </message>
    <message>
        <source>Серебристый</source>
        <translation>Silver</translation>
    </message>
    <message>
        <source>Красный</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Ярко-зелёный</source>
        <translation>Lime</translation>
    </message>
    <message>
        <source>Жёлтый</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Синий</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Фуксия</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Голубой</source>
        <translation>Aqua</translation>
    </message>
    <message>
        <source>Белый</source>
        <translation>White</translation>
    </message>
</context>
<context>
    <name>LookupView</name>
    <message>
        <source>Опкод %1 не показан ни в одной категории.</source>
        <translation>No category lists opcode %1.</translation>
    </message>
    <message>
        <source>Ни в одной категории нет опкода с «%1».</source>
        <translation>No category lists an opcode with “%1”.</translation>
    </message>
</context>
<context>
    <name>TFormFind</name>
    <message>
        <source>из: %1</source>
        <translation>of: %1</translation>
    </message>
    <message>
        <source>Расширенный поиск (F3)</source>
        <translation>Advanced Search (F3)</translation>
    </message>
    <message>
        <source>Поиск...</source>
        <translation>Searching...</translation>
    </message>
    <message>
        <source>Готово.</source>
        <translation>Done.</translation>
    </message>
    <message>
        <source>Найдено: %1</source>
        <translation>Found: %1</translation>
    </message>
    <message>
        <source>Нет в списке!
<byte value="xd"/>Возможно, Вы выбрали иную категорию,<byte value="xd"/>
чем та, что была использована при поиске.</source>
        <translation>Not in the list!
<byte value="xd"/>Perhaps you have chosen another category<byte value="xd"/>
than the one the search was made in.</translation>
    </message>
    <message>
        <source>Введите сюда те слова через пробел, которые все будут в опкоде.</source>
        <translation>Enter words separated by spaces; the opcode must contain all of them.</translation>
    </message>
    <message>
        <source>Введите сюда те слова через пробел, которые все будут отсутствовать в опкоде.</source>
        <translation>Enter words separated by spaces; the opcode must contain none of them.</translation>
    </message>
    <message>
        <source>Введите сюда те слова через пробел, хотя-бы одно из которых будет в опкоде.</source>
        <translation>Enter words separated by spaces; the opcode must contain at least one of them.</translation>
    </message>
    <message>
        <source>Обязательно есть:</source>
        <translation>All of:</translation>
    </message>
    <message>
        <source>Обязательно нет:</source>
        <translation>None of:</translation>
    </message>
    <message>
        <source>Хотя-бы одно:</source>
        <translation>Any of:</translation>
    </message>
    <message>
        <source>&amp;Закрыть</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Искать всё</source>
        <translation>Find All</translation>
    </message>
    <message>
        <source>Поиск!</source>
        <translation>Find!</translation>
    </message>
    <message>
        <source>Опкод</source>
        <translation>Opcode</translation>
    </message>
    <message>
        <source>Показать в списке</source>
        <translation>Show in List</translation>
    </message>
    <message>
        <source>Найдено: 0</source>
        <translation>Found: 0</translation>
    </message>
    <message>
        <source>из: 0</source>
        <translation>of: 0</translation>
    </message>
    <message>
        <source>Всего: 0</source>
        <translation>Total: 0</translation>
    </message>
    <message>
        <source>Найденные опкоды</source>
        <translation>Found Opcodes</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Действия</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>Присваивание свойства</source>
        <translation>Property Setters</translation>
    </message>
    <message>
        <source>Получение свойства</source>
        <translation>Property Getters</translation>
    </message>
    <message>
        <source>Проверки</source>
        <translation>Conditions</translation>
    </message>
    <message>
        <source>Неподдерживаемые</source>
        <translation>Unsupported</translation>
    </message>
    <message>
        <source>Пустышки</source>
        <translation>Dummies</translation>
    </message>
    <message>
        <source>Другое</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>ППП(Полный перезапуск программы)</source>
        <translation>Restart Program</translation>
    </message>
    <message>
        <source>В&amp;ыход</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Exit|Quits the application</source>
        <translation>Exit|Quits the application</translation>
    </message>
    <message>
        <source>Расширенный поиск...</source>
        <translation>Advanced Search...</translation>
    </message>
    <message>
        <source>Искать в OST</source>
        <translation>Search in OST</translation>
    </message>
    <message>
        <source>Сведения об SASCM.INI...</source>
        <translation>About SASCM.INI...</translation>
    </message>
    <message>
        <source>Интернет-ресурсы</source>
        <translation>Web Look-up</translation>
    </message>
    <message>
        <source>&amp;Интро...</source>
        <translation>&amp;Intro...</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Поиск</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>&amp;Интернет-ресурсы</source>
        <translation>&amp;Web Look-up</translation>
    </message>
    <message>
        <source>Посмотреть информацию об текущем опкоде в интернет-ресурсах.</source>
        <translation>Look up the current opcode on the web.</translation>
    </message>
    <message>
        <source>Посмотреть описание этого опкода в:</source>
        <translation>Look up this opcode on:</translation>
    </message>
    <message>
        <source>Посмотреть описание опкода на сайте %1</source>
        <translation>Look up the opcode on %1</translation>
    </message>
    <message>
        <source>Ни один опкод не выделен!<byte value="xd"/>
По умолчанию опкод 0000</source>
        <translation>No opcode is selected!<byte value="xd"/>
Opcode 0000 is looked up instead</translation>
    </message>
    <message>
        <source>Произошла неожиданная ошибка &quot;%1&quot; (Класс %2).<byte value="xd"/>
Записано в log-файл Errors.log</source>
        <translation>An unexpected error occurred: &quot;%1&quot; (class %2).<byte value="xd"/>
Written to the log file errors.log</translation>
    </message>
    <message>
        <source>Произошла неожиданная ошибка &quot;%1&quot; (Класс %2).</source>
        <translation>An unexpected error occurred: &quot;%1&quot; (class %2).</translation>
    </message>
    <message>
        <source>Не удалось записать в log-файл %1: %2</source>
        <translation>The log file %1 could not be written: %2</translation>
    </message>
    <message>
        <source>Мини-поиск. Введите часть слова для поиска и нажмите Enter.</source>
        <translation>Quick search. Type part of a word and press Enter.</translation>
    </message>
    <message>
        <source>Опкод</source>
        <translation>Opcode</translation>
    </message>
    <message>
        <source>Русский перевод (от Tovin)</source>
        <translation>Russian Translation (by Tovin)</translation>
    </message>
    <message>
        <source>Tип</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Кол-во парам</source>
        <translation>Params</translation>
    </message>
    <message>
        <source>Здесь появляется подробное 
описание опкодов.
Щёлкните по опкоду для просмотра 
его описания.</source>
        <translation>The detailed description 
of an opcode appears here.
Click an opcode to see 
its description.</translation>
    </message>
    <message>
        <source>Копирование в буфер:</source>
        <translation>Copy to Clipboard:</translation>
    </message>
    <message>
        <source>Копир</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Скопировать в буфер обмена</source>
        <translation>Copy to the clipboard</translation>
    </message>
    <message>
        <source>Готов</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Опкодов: 0</source>
        <translation>Opcodes: 0</translation>
    </message>
    <message>
        <source>Всего: 0</source>
        <translation>Total: 0</translation>
    </message>
    <message>
        <source>Текущий: нет</source>
        <translation>Current: none</translation>
    </message>
    <message>
        <source>Выделено: 0</source>
        <translation>Selected: 0</translation>
    </message>
    <message>
        <source>Подождите пожалуйста. Идёт постороение списка.</source>
        <translation>Please wait. Building the list.</translation>
    </message>
    <message>
        <source>Опкодов: %1</source>
        <translation>Opcodes: %1</translation>
    </message>
    <message>
        <source>Готов.</source>
        <translation>Ready.</translation>
    </message>
    <message>
        <source>Всего: %1</source>
        <translation>Total: %1</translation>
    </message>
    <message>
        <source>Ни одна категория не выделена!</source>
        <translation>No category is selected!</translation>
    </message>
    <message>
        <source>Выделено: %1</source>
        <translation>Selected: %1</translation>
    </message>
    <message>
        <source>Текущий: %1</source>
        <translation>Current: %1</translation>
    </message>
    <message>
        <source>Intro.html</source>
        <translation>Intro.en.html</translation>
    </message>
    <message>
        <source>Ширина правой панели</source>
        <translation>Width of the Right Panel</translation>
    </message>
    <message>
        <source>Ширина дерева категорий</source>
        <translation>Width of the Category Tree</translation>
    </message>
    <message>
        <source>Категории</source>
        <translation>Categories</translation>
    </message>
    <message>
        <source>Категория</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Типы опкодов</source>
        <translation>Opcode Types</translation>
    </message>
    <message>
        <source>Мини-поиск</source>
        <translation>Quick Search</translation>
    </message>
    <message>
        <source>Список опкодов</source>
        <translation>Opcode List</translation>
    </message>
    <message>
        <source>Описание опкода</source>
        <translation>Opcode Description</translation>
    </message>
    <message>
        <source>Текст для копирования</source>
        <translation>Text to Copy</translation>
    </message>
    <message>
        <source>Высота списка типов</source>
        <translation>Height of the Type List</translation>
    </message>
    <message>
        <source>Высота мини-поиска</source>
        <translation>Height of the Quick Search</translation>
    </message>
    <message>
        <source>Высота группы копирования</source>
        <translation>Height of the Copy Group</translation>
    </message>
</context>
<context>
    <name>ViewActionHandler</name>
    <message>
        <source>Сетка</source>
        <translation>Grid Lines</translation>
    </message>
    <message>
        <source>Полное выделение</source>
        <translation>Full Row Select</translation>
    </message>
    <message>
        <source>Показывать номер опкода в опкоде</source>
        <translation>Show Opcode Numbers</translation>
    </message>
    <message>
        <source>Шрифт...</source>
        <translation>Font...</translation>
    </message>
    <message>
        <source>Показывать</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Авторазвёртывание</source>
        <translation>Auto Expand</translation>
    </message>
    <message>
        <source>Линии связи</source>
        <translation>Connecting Lines</translation>
    </message>
    <message>
        <source>Развернуть всё</source>
        <translation>Expand All</translation>
    </message>
    <message>
        <source>Свернуть всё</source>
        <translation>Collapse All</translation>
    </message>
    <message>
        <source>Развернуть все дочерние(*)</source>
        <translation>Expand All Children (*)</translation>
    </message>
    <message>
        <source>Свернуть все дочерние</source>
        <translation>Collapse All Children</translation>
    </message>
    <message>
        <source>Мультивыделение</source>
        <translation>Multiple Selection</translation>
    </message>
    <message>
        <source>Объединение списков</source>
        <translation>Union of Lists</translation>
    </message>
    <message>
        <source>Пересечение списков</source>
        <translation>Intersection of Lists</translation>
    </message>
    <message>
        <source>Вид</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Расшир. список опкодов</source>
        <translation>Opcode List</translation>
    </message>
    <message>
        <source>Дерево</source>
        <translation>Tree</translation>
    </message>
    <message>
        <source>При этом показать:</source>
        <translation>Then Show:</translation>
    </message>
    <message>
        <source>Ни одна категория не выделена!</source>
        <translation>No category is selected!</translation>
    </message>
</context>
</TS>
