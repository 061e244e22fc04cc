def xy(n): return [n+"_X", n+"_Y"]
def xye(n): return [n+"_Enable", n+"_X", n+"_Y"]
def rgb(p): return [p+"_R", p+"_G", p+"_B"]
groups = {}
A=["Size_A"]+rgb("Color_A")
for b in ["Btn_A1","Btn_A2","Btn_A8","Btn_A3","Btn_A5","Btn_A6","Btn_A7","Btn_A4"]: A+=xye(b)
groups["A"]=A
B=["Size_B"]+rgb("Color_B")+["Btn_Space_F","Btn_Space_B"]
for b in ["Btn_B1","Btn_B2","Btn_B4","Btn_B5","Btn_B11","Btn_B6","Btn_B7","Btn_B8","Btn_B9","Btn_B10"]: B+=xye(b)
groups["B"]=B
C=["Size_C"]+rgb("Color_C")+xy("P1")
for k in [f"Key{i}" for i in range(1,10)]+["ComboKey1","ComboKey2"]: C+=xye(k)
groups["C"]=C
G=["Size_G"]+rgb("Color_G")+rgb("Color_G_Back")+rgb("Color_G_Border")+rgb("Color_G_SF")+rgb("Color_G_SP")+rgb("Color_M_IBG")+["M_L_W","SP_L_W","O_L_W"]
groups["G"]=G
D=["Size_D"]+rgb("Color_D_Selected")+rgb("Color_D_notSelected")+rgb("Color_D_Back")+rgb("Color_D_Border")+xy("P2")+xy("FKCnt")+xy("FKDelay")
for s in ["Spd","DbSpd","ScrSpd"]: D+=xy(s)+[s+"_D"]
D+=xy("IsControl")+xy("IsScreen")
for i in range(1,8):
    n=f"DPI{i}"
    D+=xy(n+"_Check")+xy(n)+xy(n+"_Value")+xy(n+"_Steps")+[n+"_Steps_D"]+xy(n+"_Color")
D+=xy("AIMKey")+xy("AIMKey_Value")+xy("AIMKey_Steps")+["AIMKey_Steps_D"]
D+=["DPI_Count_Visible"]+xy("DPI_Count")
groups["D"]=D
E=["Size_E"]+rgb("Color_E")+xy("P3")
for n in ["LEDOn","LEDOff","MCPIOn","MCPIOff","LEDSwitchOn","LEDSwitchOff","SaveKeyMode","NoSaveKeyMode","LED3Control","LED6Control"]+[f"MCULEDMode{i}" for i in range(1,8)]: E+=xy(n)
E+=xy("MCULEDStep")+["MCULEDStep_D"]+xy("MCULEDNum")+["MCULEDNum_D"]+xy("KeyMode1")+xy("KeyMode2")
groups["E"]=E
F=["Size_F"]+rgb("Color_F")+rgb("Color_F_LBack")+rgb("Color_F_LBorder")+rgb("Color_F_Font")+rgb("Color_F_Back")+xy("P4")+["MacroNameHeight"]+xy("PCMacroName")+["PCMacroName_H"]+xy("MacroContent")+xy("BtnNew")+xy("BtnStart")+xy("DelayTime")+xy("RecDelay")+["RecDelay_H"]+xy("DelayEdit")+xy("ReleaseStop")+xy("ReleaseContinue")+xy("Insert")+xy("InsertList")+xy("InsertRecDelay")+["InsertRecDelay_H"]+xy("InsertDelayEdit")+xy("InsertAxisEdit")+xy("InsertBtnStart")+xy("InsertBtnOK")+xy("InsertBtnCancel")
groups["F"]=F
K=["Size_K"]+rgb("Color_K")+rgb("Color_K_AK")+xy("AKT")+xy("AKC")+["AKC_W"]+xy("MK_C")+xy("MK_S")+xy("MK_A")+xy("MK_W")+xy("AK_Cfm")+xy("AK_Clear")+xy("AK_Close")
groups["K"]=K
L=["Size_L"]+rgb("Color_L")+rgb("Color_L_MN")+xy("MNT")+xy("MNC")+["MNC_W"]+xy("MN_Cfm")+xy("MN_Clear")+xy("MN_Close")
groups["L"]=L
M=["Size_M"]+rgb("Color_M")+xy("NorLED_Tte")+xy("NorLED_Col")+xy("NorLED_Cfm")+xy("NorLED_Clear")+xy("NorLED_Close")
groups["M"]=M
ALL=[k for g in groups.values() for k in g]
if __name__=="__main__":
    print(len(ALL), len(set(ALL)), {g:len(v) for g,v in groups.items()})
