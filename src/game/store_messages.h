// The store's English messages, and the reasons a text puzzle was refused, in the language the window shows.
#pragma once

#include <QString>

#include <string_view>

namespace novlet {

class TTranslator;

// The store and the text reader stay without a language: they report in
// English, which the command line prints as it is. The window recognises each
// of their message forms and words it by its text id, naming the same file,
// puzzle or line; parts such as a refusal's reason are worded in turn. A
// message of no known form is shown as it is.
QString StoreMessageText(std::string_view message, const TTranslator& texts);

}  // namespace novlet
