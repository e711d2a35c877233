// Masked entry fields show one '*' per typed character, whatever mask the platform's style
// would choose.
#pragma once

class QLineEdit;

namespace zor06::widgets {

// Puts `edit` in password mode with '*' as its mask character.
void MaskWithAsterisks(QLineEdit* edit);

}  // namespace zor06::widgets
