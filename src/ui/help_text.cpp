// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help_text.h"

namespace kelvane::ui {

namespace {

// UTF-8, one paragraph a line, as the view wraps its lines; the numbers match
// those on the help window's picture.
constexpr const char* kHelpText = R"(Справка Kelvane
Номера на картинке слева показывают, о каком элементе окна говорит пункт.

1. «Type» — тип кадров. Выбирается по тому, где будет использоваться DEF:
   а) кнопки, фоны для битвы, существа, здания внутри замка и заклинания в битве;
   б) реки поверх земли, дороги и туман войны;
   в) объекты на тактической карте;
   г) типы земли.

2. «Formats» — тип DEF-файла; от него зависит, как игра загружает DEF. Обычно он выбирается сам вместе с типом кадров и тогда верен, кроме необычных случаев. У каждого пункта списка есть короткое пояснение.

3. «AddSeparator» — добавляет разделитель в конец списка. Разделители делят последовательность кадров на действия (анимации); нужны прежде всего для существ.

4. «ADD File» — добавляет в список один или несколько кадров BMP. Файлы должны быть 256-цветными BMP в стандартном формате Windows; файлы, сохранённые некоторыми другими графическими редакторами, не принимаются.

5. «Stretch On/Off» — включает и выключает растягивание картинки в окне просмотра.

6. «Cut File (Key: Delete)» — убирает выбранный кадр из списка. То же делает клавиша Delete.

7. «Load DefList» — загружает список DefList. Удобно, когда существо нужно собрать заново.

8. «Save As DefList» — сохраняет список файлов BMP вместе с нумерацией действий и всеми настройками.

9. «Create Def File» — запускает сборку DEF из списка кадров.

10. Поле имени файла — путь и имя DEF-файла, который будет создан.

11. Кнопка с папкой — выбор пути и имени DEF-файла.

12. Поле маски — маска имён: при сборке кадры в DEF получают имена по ней. Маска заменяет имя файла, кроме двух последних символов перед расширением. Пример: кадр существа OwlA0105.bmp с маской BatA01 получит в DEF имя BatA0105.pcx — первые три буквы Owl заменены на Bat.

13. «Creature Wizard» — мастер создания существ: по шагам собирает кадры каждого действия существа и сам задаёт нужные настройки.

14. «Check For SolidColor» — перед сборкой проверяет, что у всех файлов одинаковая палитра.

15. «Type of monster» — включается сам, когда собирается существо (формат «$42 (Monsters)»). Нужно только выбрать существо, чьё расположение кадров требуется.

16. «Absolute offsets from center:» X и Y — положение картинки относительно левого верхнего угла кадра. Пример: картинка 100 x 100 встанет в центр кадра 450 x 400, если задать X = 175 и Y = 150.

17. «Generate Shadow» — создаёт тень для каждого кадра.

18. «Fixed Size:» с X и Y — обрезает картинку до заданного размера, считая от правого нижнего угла. Пример: картинки 452 x 400, которые должны быть 450 x 400.

19. «Create Light border (For Check only)» — рисует рамку выделения вокруг картинки, только у отмеченных галочкой файлов. Нужна для существ: рамку показывают их первые две анимации (стояние и наведение мыши).
)";

// The same 19 items in English, for every other language.
constexpr const char* kEnglishHelpText = R"help(Kelvane help
The numbers on the picture on the left show which part of the window an item is about.

1. "Type": the kind of frames. Choose it by where the DEF will be used:
   a) buttons, battle backgrounds, creatures, buildings inside a castle and spells in battle;
   b) rivers laid over the terrain, roads and the fog of war;
   c) objects of the adventure map;
   d) terrain types.

2. "Formats": the type of the DEF file, which decides how the game loads it. It is usually chosen together with the Type and is then right, except in unusual cases. Each entry carries a short explanation.

3. "AddSeparator": adds a separator at the end of the list. Separators cut the sequence of frames into actions (animations); they are needed above all for creatures.

4. "ADD File": adds one or several BMP frames to the list. The files must be 256-colour BMPs in the standard Windows layout; files saved by some other image editors are not accepted.

5. "Stretch On/Off": turns stretching of the picture in the preview on and off.

6. "Cut File (Key: Delete)": removes the selected frame from the list. The Delete key does the same.

7. "Load DefList": loads a DefList. Useful when a creature has to be built again.

8. "Save As DefList": saves the list of BMP files with the numbering of the actions and every setting.

9. "Create Def File": builds the DEF from the list of frames.

10. The file name field: path and name of the DEF file to be made.

11. The folder button: chooses the path and name of the DEF file.

12. The mask field: a mask for names: while building, the frames get their names in the DEF from it. The mask takes the place of the file name except for its last two characters before the extension. Example: the creature frame OwlA0105.bmp with the mask BatA01 is named BatA0105.pcx in the DEF: the first three letters Owl are replaced by Bat.

13. "Creature Wizard": the wizard for creatures: it collects the frames of each action of a creature step by step and sets the options they need.

14. "Check For SolidColor": checks before the build that all files have the same palette.

15. "Type of monster": enabled by itself when a creature is made (the format "$42 (Monsters)"). Only pick the creature whose layout of frames is wanted.

16. "Absolute offsets from center:" X and Y: where the picture stands from the top left corner of the frame. Example: a 100 x 100 picture stands in the middle of a 450 x 400 frame with X = 175 and Y = 150.

17. "Generate Shadow": generates a shadow for every frame.

18. "Fixed Size:" with X and Y: cuts the picture to the given size, counted from the lower right corner. Example: pictures of 452 x 400 that must be 450 x 400.

19. "Create Light border (For Check only)": draws a selection outline round the picture, only for the files checked in the list. Meant for creatures: their first two animations (standing and mouse-over) show the outline.
)help";

}  // namespace

QString BuiltInHelpText(const QLocale& locale) {
  return QString::fromUtf8(locale.language() == QLocale::Russian ? kHelpText : kEnglishHelpText);
}

}  // namespace kelvane::ui
