// The view of diagnostic messages: the rows of a reading or of a saved file.
#pragma once

#include "messages/screens/ArchiveMessageForm.h"

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormAla : public ArchiveMessageForm<messages::Archive::Diagnostics, 812> {
    Q_OBJECT
public:
    using ArchiveMessageForm::ArchiveMessageForm;
};

}  // namespace zor06::screens
