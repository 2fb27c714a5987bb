// The account's name, the first part of every section the program writes.
#pragma once

#include <string>

namespace novlet {

// UserName: the account's login name from the user database, else $USER,
// else "Default User". Every section the program writes starts with it.
std::string CurrentUserName();

}  // namespace novlet
