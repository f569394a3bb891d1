// A numbered message box as data: what the host shows, already composed in one language.
#pragma once

#include <string>

namespace quendra {

enum class MessageKind { Error, Question, Info, Warning, ProgramError };
enum class MessageIcon { Error, Question, Exclamation, Warning };

struct MessageBox {
    MessageKind kind = MessageKind::Error;
    int number = 0;
    std::string title;
    std::string text; // "\r" marks a line break
    MessageIcon icon = MessageIcon::Error;
    bool yesNo = false; // Yes and No buttons instead of OK
};

} // namespace quendra
