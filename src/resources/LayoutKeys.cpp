#include "resources/LayoutKeys.h"

#include <array>

namespace veltrax {
namespace {

constexpr std::array<std::string_view, 408> kLayoutKeys = {
    // A: action buttons
    "Size_A", "Color_A_R", "Color_A_G", "Color_A_B", "Btn_A1_Enable", "Btn_A1_X", "Btn_A1_Y",
    "Btn_A2_Enable", "Btn_A2_X", "Btn_A2_Y", "Btn_A8_Enable", "Btn_A8_X", "Btn_A8_Y",
    "Btn_A3_Enable", "Btn_A3_X", "Btn_A3_Y", "Btn_A5_Enable", "Btn_A5_X", "Btn_A5_Y",
    "Btn_A6_Enable", "Btn_A6_X", "Btn_A6_Y", "Btn_A7_Enable", "Btn_A7_X", "Btn_A7_Y",
    "Btn_A4_Enable", "Btn_A4_X", "Btn_A4_Y",
    // B: navigation bar
    "Size_B", "Color_B_R", "Color_B_G", "Color_B_B", "Btn_Space_F", "Btn_Space_B", "Btn_B1_Enable",
    "Btn_B1_X", "Btn_B1_Y", "Btn_B2_Enable", "Btn_B2_X", "Btn_B2_Y", "Btn_B4_Enable", "Btn_B4_X",
    "Btn_B4_Y", "Btn_B5_Enable", "Btn_B5_X", "Btn_B5_Y", "Btn_B11_Enable", "Btn_B11_X", "Btn_B11_Y",
    "Btn_B6_Enable", "Btn_B6_X", "Btn_B6_Y", "Btn_B7_Enable", "Btn_B7_X", "Btn_B7_Y",
    "Btn_B8_Enable", "Btn_B8_X", "Btn_B8_Y", "Btn_B9_Enable", "Btn_B9_X", "Btn_B9_Y",
    "Btn_B10_Enable", "Btn_B10_X", "Btn_B10_Y",
    // C: key page
    "Size_C", "Color_C_R", "Color_C_G", "Color_C_B", "P1_X", "P1_Y", "Key1_Enable", "Key1_X",
    "Key1_Y", "Key2_Enable", "Key2_X", "Key2_Y", "Key3_Enable", "Key3_X", "Key3_Y", "Key4_Enable",
    "Key4_X", "Key4_Y", "Key5_Enable", "Key5_X", "Key5_Y", "Key6_Enable", "Key6_X", "Key6_Y",
    "Key7_Enable", "Key7_X", "Key7_Y", "Key8_Enable", "Key8_X", "Key8_Y", "Key9_Enable", "Key9_X",
    "Key9_Y", "ComboKey1_Enable", "ComboKey1_X", "ComboKey1_Y", "ComboKey2_Enable", "ComboKey2_X",
    "ComboKey2_Y",
    // G: function menus
    "Size_G", "Color_G_R", "Color_G_G", "Color_G_B", "Color_G_Back_R", "Color_G_Back_G",
    "Color_G_Back_B", "Color_G_Border_R", "Color_G_Border_G", "Color_G_Border_B", "Color_G_SF_R",
    "Color_G_SF_G", "Color_G_SF_B", "Color_G_SP_R", "Color_G_SP_G", "Color_G_SP_B", "Color_M_IBG_R",
    "Color_M_IBG_G", "Color_M_IBG_B", "M_L_W", "SP_L_W", "O_L_W",
    // D: Advanced page
    "Size_D", "Color_D_Selected_R", "Color_D_Selected_G", "Color_D_Selected_B",
    "Color_D_notSelected_R", "Color_D_notSelected_G", "Color_D_notSelected_B", "Color_D_Back_R",
    "Color_D_Back_G", "Color_D_Back_B", "Color_D_Border_R", "Color_D_Border_G", "Color_D_Border_B",
    "P2_X", "P2_Y", "FKCnt_X", "FKCnt_Y", "FKDelay_X", "FKDelay_Y", "Spd_X", "Spd_Y", "Spd_D",
    "DbSpd_X", "DbSpd_Y", "DbSpd_D", "ScrSpd_X", "ScrSpd_Y", "ScrSpd_D", "IsControl_X",
    "IsControl_Y", "IsScreen_X", "IsScreen_Y", "DPI1_Check_X", "DPI1_Check_Y", "DPI1_X", "DPI1_Y",
    "DPI1_Value_X", "DPI1_Value_Y", "DPI1_Steps_X", "DPI1_Steps_Y", "DPI1_Steps_D", "DPI1_Color_X",
    "DPI1_Color_Y", "DPI2_Check_X", "DPI2_Check_Y", "DPI2_X", "DPI2_Y", "DPI2_Value_X",
    "DPI2_Value_Y", "DPI2_Steps_X", "DPI2_Steps_Y", "DPI2_Steps_D", "DPI2_Color_X", "DPI2_Color_Y",
    "DPI3_Check_X", "DPI3_Check_Y", "DPI3_X", "DPI3_Y", "DPI3_Value_X", "DPI3_Value_Y",
    "DPI3_Steps_X", "DPI3_Steps_Y", "DPI3_Steps_D", "DPI3_Color_X", "DPI3_Color_Y", "DPI4_Check_X",
    "DPI4_Check_Y", "DPI4_X", "DPI4_Y", "DPI4_Value_X", "DPI4_Value_Y", "DPI4_Steps_X",
    "DPI4_Steps_Y", "DPI4_Steps_D", "DPI4_Color_X", "DPI4_Color_Y", "DPI5_Check_X", "DPI5_Check_Y",
    "DPI5_X", "DPI5_Y", "DPI5_Value_X", "DPI5_Value_Y", "DPI5_Steps_X", "DPI5_Steps_Y",
    "DPI5_Steps_D", "DPI5_Color_X", "DPI5_Color_Y", "DPI6_Check_X", "DPI6_Check_Y", "DPI6_X",
    "DPI6_Y", "DPI6_Value_X", "DPI6_Value_Y", "DPI6_Steps_X", "DPI6_Steps_Y", "DPI6_Steps_D",
    "DPI6_Color_X", "DPI6_Color_Y", "DPI7_Check_X", "DPI7_Check_Y", "DPI7_X", "DPI7_Y",
    "DPI7_Value_X", "DPI7_Value_Y", "DPI7_Steps_X", "DPI7_Steps_Y", "DPI7_Steps_D", "DPI7_Color_X",
    "DPI7_Color_Y", "AIMKey_X", "AIMKey_Y", "AIMKey_Value_X", "AIMKey_Value_Y", "AIMKey_Steps_X",
    "AIMKey_Steps_Y", "AIMKey_Steps_D", "DPI_Count_Visible", "DPI_Count_X", "DPI_Count_Y",
    // E: Light page
    "Size_E", "Color_E_R", "Color_E_G", "Color_E_B", "P3_X", "P3_Y", "LEDOn_X", "LEDOn_Y",
    "LEDOff_X", "LEDOff_Y", "MCPIOn_X", "MCPIOn_Y", "MCPIOff_X", "MCPIOff_Y", "LEDSwitchOn_X",
    "LEDSwitchOn_Y", "LEDSwitchOff_X", "LEDSwitchOff_Y", "SaveKeyMode_X", "SaveKeyMode_Y",
    "NoSaveKeyMode_X", "NoSaveKeyMode_Y", "LED3Control_X", "LED3Control_Y", "LED6Control_X",
    "LED6Control_Y", "MCULEDMode1_X", "MCULEDMode1_Y", "MCULEDMode2_X", "MCULEDMode2_Y",
    "MCULEDMode3_X", "MCULEDMode3_Y", "MCULEDMode4_X", "MCULEDMode4_Y", "MCULEDMode5_X",
    "MCULEDMode5_Y", "MCULEDMode6_X", "MCULEDMode6_Y", "MCULEDMode7_X", "MCULEDMode7_Y",
    "MCULEDStep_X", "MCULEDStep_Y", "MCULEDStep_D", "MCULEDNum_X", "MCULEDNum_Y", "MCULEDNum_D",
    "KeyMode1_X", "KeyMode1_Y", "KeyMode2_X", "KeyMode2_Y",
    // F: Macro page
    "Size_F", "Color_F_R", "Color_F_G", "Color_F_B", "Color_F_LBack_R", "Color_F_LBack_G",
    "Color_F_LBack_B", "Color_F_LBorder_R", "Color_F_LBorder_G", "Color_F_LBorder_B",
    "Color_F_Font_R", "Color_F_Font_G", "Color_F_Font_B", "Color_F_Back_R", "Color_F_Back_G",
    "Color_F_Back_B", "P4_X", "P4_Y", "MacroNameHeight", "PCMacroName_X", "PCMacroName_Y",
    "PCMacroName_H", "MacroContent_X", "MacroContent_Y", "BtnNew_X", "BtnNew_Y", "BtnStart_X",
    "BtnStart_Y", "DelayTime_X", "DelayTime_Y", "RecDelay_X", "RecDelay_Y", "RecDelay_H",
    "DelayEdit_X", "DelayEdit_Y", "ReleaseStop_X", "ReleaseStop_Y", "ReleaseContinue_X",
    "ReleaseContinue_Y", "Insert_X", "Insert_Y", "InsertList_X", "InsertList_Y", "InsertRecDelay_X",
    "InsertRecDelay_Y", "InsertRecDelay_H", "InsertDelayEdit_X", "InsertDelayEdit_Y",
    "InsertAxisEdit_X", "InsertAxisEdit_Y", "InsertBtnStart_X", "InsertBtnStart_Y", "InsertBtnOK_X",
    "InsertBtnOK_Y", "InsertBtnCancel_X", "InsertBtnCancel_Y",
    // K: combination-key dialog
    "Size_K", "Color_K_R", "Color_K_G", "Color_K_B", "Color_K_AK_R", "Color_K_AK_G", "Color_K_AK_B",
    "AKT_X", "AKT_Y", "AKC_X", "AKC_Y", "AKC_W", "MK_C_X", "MK_C_Y", "MK_S_X", "MK_S_Y", "MK_A_X",
    "MK_A_Y", "MK_W_X", "MK_W_Y", "AK_Cfm_X", "AK_Cfm_Y", "AK_Clear_X", "AK_Clear_Y", "AK_Close_X",
    "AK_Close_Y",
    // L: macro name and edit dialogs
    "Size_L", "Color_L_R", "Color_L_G", "Color_L_B", "Color_L_MN_R", "Color_L_MN_G", "Color_L_MN_B",
    "MNT_X", "MNT_Y", "MNC_X", "MNC_Y", "MNC_W", "MN_Cfm_X", "MN_Cfm_Y", "MN_Clear_X", "MN_Clear_Y",
    "MN_Close_X", "MN_Close_Y",
    // M: LED colour dialog
    "Size_M", "Color_M_R", "Color_M_G", "Color_M_B", "NorLED_Tte_X", "NorLED_Tte_Y", "NorLED_Col_X",
    "NorLED_Col_Y", "NorLED_Cfm_X", "NorLED_Cfm_Y", "NorLED_Clear_X", "NorLED_Clear_Y",
    "NorLED_Close_X", "NorLED_Close_Y",
};

constexpr std::array<std::string_view, 10> kGlobalOptionKeys = {
    "Web_Enable", "Web", "Web_X", "Web_Y", "Rev_Manu_ID", "Rev_Pro_ID", "Path", "TR_Enable", "DPILED_Status", "Num_Order",
};

}  // namespace

std::span<const std::string_view> AllLayoutKeys() { return kLayoutKeys; }

std::span<const std::string_view> AllGlobalOptionKeys() { return kGlobalOptionKeys; }

}  // namespace veltrax
