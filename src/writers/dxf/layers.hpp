#pragma once
// Every layer of the drawings, named once: the layer tables list these and the
// entities are drawn on them. Names are "MV3_" (3D drawing), "MV2_" (2D plan) or
// "MVP_" (profile) + the view ("All", "Top", "Left", "Front") + the content.
#include <array>
#include <string_view>

namespace mirval::layers {

// Per station kind, in the order Survey, Radiation, External (see StationKind).
using ByKind = std::array<std::string_view, 3>;

namespace d3 {
inline constexpr std::string_view kTapeLine = "MV3_All_Linha_de_Trena";
inline constexpr std::string_view kExternalLine = "MV3_All_Linha_Externa";
inline constexpr std::string_view kRadiationLine = "MV3_All_Linha_Radiacao";
inline constexpr ByKind kPoint = {"MV3_All_Ponto_Estacao", "MV3_All_Ponto_Radiacao", "MV3_All_Ponto_Externo"};
inline constexpr ByKind kSymbol = {"MV3_All_Tri_Estacao", "MV3_All_Tri_Radiacao", "MV3_All_Tri_Externa"};
inline constexpr ByKind kTopName = {"MV3_Top_Nome_Estacao", "MV3_Top_Nome_Radiacao", "MV3_Top_Nome_Externa"};
inline constexpr ByKind kLeftName = {"MV3_Left_Nome_Estacao", "MV3_Left_Nome_Radiacao", "MV3_Left_Nome_Externa"};
inline constexpr ByKind kFrontName = {"MV3_Front_Nome_Estacao", "MV3_Front_Nome_Radiacao",
                                      "MV3_Front_Nome_Externa"};
inline constexpr std::string_view kTopElevation = "MV3_Top_Cota_Estacao";
inline constexpr std::string_view kLeftElevation = "MV3_Left_Cota_Estacao";
inline constexpr std::string_view kFrontElevation = "MV3_Front_Cota_Estacao";
inline constexpr std::string_view kVertical = "MV3_All_Vertical_Teto";
inline constexpr std::string_view kCeilingLine = "MV3_All_Linha_Teto";
inline constexpr std::string_view kCeilingPoint = "MV3_All_Ponto_Teto";
inline constexpr std::string_view kTopCeilingHeight = "MV3_Top_Altura_Teto";
inline constexpr std::string_view kTopCeilingElevation = "MV3_Top_Cota_Teto";
inline constexpr std::string_view kLeftCeilingHeight = "MV3_Left_Altura_Teto";
inline constexpr std::string_view kLeftCeilingElevation = "MV3_Left_Cota_Teto";
inline constexpr std::string_view kFrontCeilingHeight = "MV3_Front_Altura_Teto";
inline constexpr std::string_view kFrontCeilingElevation = "MV3_Front_Cota_Teto";
// LDB, LEB, LDV, LEV
inline constexpr std::array<std::string_view, 4> kWallLine = {
    "MV3_Top_Leitura_Direita_Base", "MV3_Top_Leitura_Esquerda_Base", "MV3_Top_Leitura_Direita_Visada",
    "MV3_Top_Leitura_Esquerda_Visada"};
inline constexpr std::string_view kWallPoint = "MV3_Top_Ponto_Leituras";
}  // namespace d3

namespace d2 {
inline constexpr std::string_view kTapeLine = "MV2_All_Linha_de_Trena";
inline constexpr std::string_view kExternalLine = "MV2_All_Linha_Externa";
inline constexpr std::string_view kRadiationLine = "MV2_All_Linha_Radiacao";
inline constexpr ByKind kPoint = {"MV2_All_Ponto_Estacao", "MV2_All_Ponto_Radiacao", "MV2_All_Ponto_Externo"};
inline constexpr ByKind kSymbol = {"MV2_All_Tri_Estacao", "MV2_All_Tri_Radiacao", "MV2_All_Tri_Externa"};
inline constexpr ByKind kTopName = {"MV2_Top_Nome_Estacao", "MV2_Top_Nome_Radiacao", "MV2_Top_Nome_Externa"};
inline constexpr std::string_view kTopElevation = "MV2_Top_Cota_Estacao";
inline constexpr std::string_view kTopCeilingHeight = "MV2_Top_Altura_Teto";
inline constexpr std::string_view kTopCeilingElevation = "MV2_Top_Cota_Teto";
inline constexpr std::array<std::string_view, 4> kWallLine = {
    "MV2_Top_Leitura_Direita_Base", "MV2_Top_Leitura_Esquerda_Base", "MV2_Top_Leitura_Direita_Visada",
    "MV2_Top_Leitura_Esquerda_Visada"};
inline constexpr std::string_view kWallPoint = "MV2_Top_Ponto_Leituras";
}  // namespace d2

namespace profile {
inline constexpr std::string_view kTapeLine = "MVP_All_Linha_de_Trena";
inline constexpr std::string_view kExternalLine = "MVP_All_Linha_Externa";
inline constexpr std::string_view kRadiationLine = "MVP_All_Linha_Radiacao";
inline constexpr ByKind kSymbol = {"MVP_All_Tri_Estacao", "MVP_All_Tri_Radiacao", "MVP_All_Tri_Externa"};
inline constexpr ByKind kTopName = {"MVP_Top_Nome_Estacao", "MVP_Top_Nome_Radiacao", "MVP_Top_Nome_Externa"};
inline constexpr std::string_view kTopElevation = "MVP_Top_Cota_Estacao";
inline constexpr std::string_view kTopCeilingHeight = "MVP_Top_Altura_Teto";
inline constexpr std::string_view kTopCeilingElevation = "MVP_Top_Cota_Teto";
inline constexpr std::string_view kVertical = "MVP_All_Vertical_Teto";
inline constexpr std::string_view kCeilingLine = "MVP_All_Linha_Teto";
}  // namespace profile

}  // namespace mirval::layers
