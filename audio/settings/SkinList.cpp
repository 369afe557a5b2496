#include "audio/settings/SkinList.h"

#include "audio/settings/FolderList.h"
#include "platform/core/Unicode.h"

std::vector<std::string> ListSkins(const std::string& skinsFolder) {
    return ListSubfolders(skinsFolder);
}

int CheckedSkin(const std::vector<std::string>& skins, const std::string& current) {
    for (std::size_t i = 0; i < skins.size(); ++i) {
        if (skins[i] == current) {
            return static_cast<int>(i);
        }
    }
    return skins.empty() ? -1 : 0;
}

std::string SkinNameFromCaption(const std::string& caption) {
    std::string name;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (++i == caption.size()) {
                break;
            }
        }
        name += caption[i];
    }
    return std::string(core::cutToCharacters(name, kSkinNameCharacters));
}
