#pragma once

#include <string>

// The user's language and skin, kept in the per-user copy of the configuration
// file. That copy is only ever read and written when it already exists; without
// it the choices last for the run.

constexpr std::size_t kUserChoiceCharacters = 127;

void LoadUserChoices(const std::string& installFolderName, std::string& language, std::string& skin);
void SaveUserChoices(const std::string& installFolderName, const std::string& language,
                     const std::string& skin);
