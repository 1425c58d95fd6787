#include "platform/graphics/Graphic.h"

void TGraphic::LoadFromFile(const std::string& FileName) {
    TFileStream file(FileName, TFileMode::fmOpenRead);
    LoadFromStream(file);
}
