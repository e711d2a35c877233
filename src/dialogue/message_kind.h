// The kinds of the message window: each fixes the caption, a third line or the question the
// window adds to the caller's two texts. The values are those the window has always been called
// with.
#pragma once

namespace zor06::dialogue {

enum class MessageKind {
    NoConnection = 0,  // "Нет связи с устройством." and the advice, instead of the texts
    Error = 1,       // under the caption "Ошибка"
    InputError = 2,  // under the caption "Ошибка ввода параметров"
    Question = 3,    // "Да" / "Нет"
    SeeControllerState = 4,  // "(см. текущее состояние контроллера)" under the texts
    ExchangeResult = 5,  // under the caption "Результат обмена с устройством"
    Info = 6,            // the two texts alone
    Retry = 7,           // "Повторить попытку?"
    DailyReport = 8,            // "Создавать суточный отчет?"
    ArchiveDatesChanged = 9,    // the archive's oldest and newest dates moved meanwhile
    ArchiveDatesQuestion = 10,  // the same, as a question
    NoDailyCertificate = 11,  // "Суточный сертификат не может быть создан"
};

}  // namespace zor06::dialogue
