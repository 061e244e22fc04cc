#!/usr/bin/env python3
"""Writes the global options ORG and the layouts ORG1 to ORG3 into
resources/layout/. The skin's pictures (skingen) are drawn from these
positions, so run this first when a position changes."""
import pathlib
import sys

from layout_keys import ALL, groups, titles

HIDDEN = 2640  # a position outside the window hides a control

# The window is 1030 x 662; every page's content picture lies at CONTENT.
CONTENT = (180, 80)


def page(x, y):
    """Page position of a point given in content-picture coordinates."""
    return CONTENT[0] + x, CONTENT[1] + y


def layout(language):
    v = {}

    def pos(name, x, y, enable=None):
        if enable is not None:
            v[name + "_Enable"] = enable
        v[name + "_X"], v[name + "_Y"] = x, y

    def rgb(prefix, r, g, b):
        v[prefix + "_R"], v[prefix + "_G"], v[prefix + "_B"] = r, g, b

    # A: action buttons along the bottom bar; the window buttons top right.
    v["Size_A"] = 10
    rgb("Color_A", 232, 236, 242)
    pos("Btn_A1", HIDDEN, 614, 1)   # Confirm
    pos("Btn_A2", 896, 614, 1)      # Apply
    pos("Btn_A8", 780, 614, 1)      # Read
    pos("Btn_A3", 196, 614, 1)      # RESET
    pos("Btn_A5", 312, 614, 1)      # second restore
    pos("Btn_A6", 428, 614, 1)      # third restore
    pos("Btn_A7", 966, 20, 1)       # minimise
    pos("Btn_A4", 996, 20, 1)       # exit

    # B: page and profile buttons in the side bar, languages in the header.
    v["Size_B"] = 10
    rgb("Color_B", 214, 220, 230)
    v["Btn_Space_F"], v["Btn_Space_B"] = 14, 4
    for i, name in enumerate(["Btn_B1", "Btn_B2", "Btn_B4", "Btn_B5", "Btn_B11"]):
        pos(name, 35, 114 + 40 * i, 1)
    pos("Btn_B6", 35, 384, 1)
    pos("Btn_B7", 35, 424, 1)
    for i, name in enumerate(["Btn_B8", "Btn_B9", "Btn_B10"]):
        pos(name, 600 + 116 * i, 20, 1)

    # C: key page. Labels in two columns beside the mouse drawing.
    v["Size_C"] = 10
    rgb("Color_C", 236, 240, 246)
    v["P1_X"], v["P1_Y"] = CONTENT
    left, right = 24, 632
    keys = {1: (left, 96), 2: (right, 96), 3: (right, 156), 4: (left, 276), 5: (left, 216),
            6: (right, 216), 7: (right, 276), 8: (right, 336), 9: (left, 156)}
    for n, (x, y) in keys.items():
        pos(f"Key{n}", *page(x, y), 1 if n <= 6 else 0)
    pos("ComboKey1", *page(24, 440), 0)
    pos("ComboKey2", *page(24, 470), 0)

    # G: function menus.
    v["Size_G"] = 9
    rgb("Color_G", 214, 220, 230)
    rgb("Color_G_Back", 24, 28, 36)
    rgb("Color_G_Border", 52, 60, 74)
    rgb("Color_G_SF", 255, 255, 255)
    rgb("Color_G_SP", 14, 120, 138)
    rgb("Color_M_IBG", 14, 120, 138)
    v["M_L_W"], v["SP_L_W"], v["O_L_W"] = 176, 160, 160

    # D: Advanced page. DPI rows on the left, fire key and pointer on the right.
    v["Size_D"] = 9
    rgb("Color_D_Selected", 36, 214, 232)
    rgb("Color_D_notSelected", 112, 120, 136)
    rgb("Color_D_Back", 24, 28, 36)
    rgb("Color_D_Border", 52, 60, 74)
    v["P2_X"], v["P2_Y"] = CONTENT
    pos("FKCnt", *page(640, 58))
    pos("FKDelay", *page(640, 96))
    for i, name in enumerate(["Spd", "DbSpd", "ScrSpd"]):
        pos(name, *page(490, 214 + 72 * i))
        v[name + "_D"] = 2
    pos("IsControl", *page(490, 430))
    pos("IsScreen", *page(490, 462))
    hidden_rows = 2600 if language == 1 else 1200  # DPI 7, AIM key, colours
    for n in range(1, 8):
        y = 84 + 56 * (n - 1) if n <= 6 else hidden_rows
        pos(f"DPI{n}_Check", *page(32, y + 1))
        pos(f"DPI{n}", *page(56, y))
        pos(f"DPI{n}_Steps", *page(120, y))
        v[f"DPI{n}_Steps_D"] = 4
        pos(f"DPI{n}_Value", *page(392, y))
        pos(f"DPI{n}_Color", *page(420, hidden_rows + 56 * (n - 1)))
    pos("AIMKey", *page(56, hidden_rows + 60))
    pos("AIMKey_Value", *page(392, hidden_rows + 60))
    pos("AIMKey_Steps", *page(120, hidden_rows + 60))
    v["AIMKey_Steps_D"] = 4
    v["DPI_Count_Visible"] = 0 if language == 1 else 1
    pos("DPI_Count", *page(346, 26))

    # E: Light page.
    v["Size_E"] = 9
    rgb("Color_E", 224, 230, 238)
    v["P3_X"], v["P3_Y"] = CONTENT
    rows = [("LEDOn", "LEDOff"), ("MCPIOn", "MCPIOff"), ("LEDSwitchOn", "LEDSwitchOff"),
            ("SaveKeyMode", "NoSaveKeyMode"), ("LED3Control", "LED6Control")]
    for i, (on, off) in enumerate(rows):
        pos(on, *page(236, 72 + 40 * i))
        pos(off, *page(346, 72 + 40 * i))
    for n in range(1, 8):
        col, row = (n - 1) % 3, (n - 1) // 3
        pos(f"MCULEDMode{n}", *page(36 + 140 * col, 344 + 38 * row))
    pos("MCULEDStep", *page(492, 72))
    v["MCULEDStep_D"] = 8
    pos("MCULEDNum", *page(492, 188))
    v["MCULEDNum_D"] = 4
    pos("KeyMode1", *page(500, 316))
    pos("KeyMode2", *page(650, 316))

    # F: Macro page. Box children (delay box, insert box) are placed
    # relative to their box.
    v["Size_F"] = 9
    rgb("Color_F", 224, 230, 238)
    rgb("Color_F_LBack", 16, 19, 25)
    rgb("Color_F_LBorder", 52, 60, 74)
    rgb("Color_F_Font", 224, 230, 238)
    rgb("Color_F_Back", 24, 28, 36)
    v["P4_X"], v["P4_Y"] = CONTENT
    v["MacroNameHeight"] = 28
    pos("PCMacroName", *page(24, 56))
    v["PCMacroName_H"] = 376
    pos("MacroContent", *page(300, 56))
    pos("BtnNew", *page(24, 452))
    pos("BtnStart", *page(300, 452))
    pos("DelayTime", *page(596, 56))
    pos("RecDelay", 14, 18)
    v["RecDelay_H"] = 26
    pos("DelayEdit", 124, 40)
    pos("ReleaseStop", 14, 106)
    pos("ReleaseContinue", 14, 130)
    pos("Insert", *page(596, 56))
    pos("InsertList", 8, 8)
    pos("InsertRecDelay", 10, 40)
    v["InsertRecDelay_H"] = 24
    pos("InsertDelayEdit", 132, 62)
    pos("InsertAxisEdit", 10, 44)
    pos("InsertBtnStart", 6, 128)
    pos("InsertBtnOK", 118, 128)
    pos("InsertBtnCancel", 162, 128)

    # K, L, M: the small dialogs on the 530 x 200 Msg picture.
    for g in "KLM":
        v["Size_" + g] = 9
    rgb("Color_K", 255, 255, 255)
    rgb("Color_K_AK", 0, 0, 0)
    pos("AKT", 18, 25)
    pos("AKC", 128, 68)
    v["AKC_W"] = 240
    for i, box in enumerate(["MK_C", "MK_S", "MK_A", "MK_W"]):
        pos(box, [128, 190, 256, 320][i], 96)
    pos("AK_Cfm", 128, 134)
    pos("AK_Clear", 270, 134)
    pos("AK_Close", 470, 12)
    rgb("Color_L", 236, 240, 246)
    rgb("Color_L_MN", 0, 0, 0)
    pos("MNT", 18, 25)
    pos("MNC", 128, 72)
    v["MNC_W"] = 270
    pos("MN_Cfm", 128, 134)
    pos("MN_Clear", 270, 134)
    pos("MN_Close", 470, 12)
    rgb("Color_M", 236, 240, 246)
    pos("NorLED_Tte", 18, 25)
    pos("NorLED_Col", 128, 66)
    pos("NorLED_Cfm", 128, 134)
    pos("NorLED_Clear", 270, 134)
    pos("NorLED_Close", 470, 12)

    assert set(v) == set(ALL), sorted(set(v) ^ set(ALL))
    return v


HEADER = """; VELTRAX skin layout, language {n}.
; Positions are pixels relative to the page (window 1030 x 662); children of
; the macro page's delay and insert boxes are relative to their box, and the
; dialog keys (K, L, M) to their dialog. A position outside the window hides
; a control. Colours: red, green, blue, 0 to 255.
"""


def write_layout(out, n):
    v = layout(n)
    lines = HEADER.format(n=n).splitlines() + [f"[org{n}]"]
    for g, keys in groups.items():
        lines += ["", "//" + "=" * 20 + f" {g}: {titles[g]} " + "=" * 20]
        lines += [f"{k} = {v[k]}" for k in keys]
    (out / f"ORG{n}.ini").write_bytes(("\r\n".join(lines) + "\r\n").encode("ascii"))


OPTIONS = """; VELTRAX global options.
[org]
Web_Enable=0
Web=https://veltrax.example/
Web_X=1050
Web_Y=1575
Rev_Manu_ID=0
Rev_Pro_ID=0
Path=
TR_Enable=1
DPILED_Status=1
Num_Order=0
"""


def main():
    out = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "resources") / "layout"
    out.mkdir(parents=True, exist_ok=True)
    for n in (1, 2, 3):
        write_layout(out, n)
    (out / "ORG.ini").write_bytes(OPTIONS.replace("\n", "\r\n").encode("ascii"))


main()
