#include "persistence/Messages.h"

namespace fg::persistence_text {

std::string cannotRead(std::string_view path) {
    return "「" + std::string(path) + "」は存在しないか、他のアプリケーションで開いているため読み込めません。";
}

std::string cannotWrite(std::string_view path) { return "「" + std::string(path) + "」に保存できませんでした。"; }

std::string materialNameNotStorable(std::string_view fileName) {
    return "マテリアル「" + std::string(fileName) +
           "」の名前はプロジェクトファイルに保存できません。\n名前を変えて読み込み直してください。";
}

std::string materialUnreadable(std::string_view fileName) {
    return "マテリアル「" + std::string(fileName) + "」を読み込めないため、保存できません。";
}

}  // namespace fg::persistence_text
