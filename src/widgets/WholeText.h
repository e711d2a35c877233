// Line edits that show their text whole: as wide as a sample of the widest text they expect,
// and wider still when a longer one comes.
#pragma once

class QLineEdit;
class QString;
class QWidget;

namespace zor06::widgets {

// The width `edit` needs to show `text` whole at its font and style.
int EditWidthFor(const QLineEdit* edit, const QString& text);

// Never narrower than `sample` needs.
void KeepWideEnoughFor(QLineEdit* edit, const QString& sample);

// Sets the text, widening the edit first when the text would be cut.
void SetWholeText(QLineEdit* edit, const QString& text);

// An entry wide enough for `chars` characters of a usual name (and for the text it holds now),
// so that a name as long as its field takes is seen whole.
void FitEntry(QLineEdit* edit, int chars);

// The width a window needs for a usual title bar to show `title` whole: the title in a bold
// caption font beside the window's icon and its three buttons.
int TitleBarWidth(const QString& title);

// Keeps `window` at least as wide as its title bar needs for the present title.
void ReserveTitleRoom(QWidget* window);

}  // namespace zor06::widgets
