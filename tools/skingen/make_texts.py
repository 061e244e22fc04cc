#!/usr/bin/env python3
"""Writes the language tables lang1 to lang3 (UTF-16LE with byte-order mark,
one quoted entry per line) into resources/lang/."""
import pathlib
import sys

# id, English (lang1), Traditional Chinese (lang2)
TEXTS = [
    ("Str000", "Confirm", "確認"),
    ("Str001", "Apply", "套用"),
    ("Str017", "Read", "讀取設定"),
    ("Str002", "RESET", "恢復原廠設定1"),
    ("Str015", "Confirm 2", "恢復原廠設定2"),
    ("Str016", "Confirm 3", "恢復原廠設定3"),
    ("Str003", "Exit", "離開"),
    ("Str004", "Mode A", "模式A"),
    ("Str005", "Mode B", "模式B"),
    ("Str007", "Advanced", "進階設定"),
    ("Str008", "Light", "燈光"),
    ("Str014", "Macro", "巨集"),
    ("Str009", "Save Profile", "儲存設定檔"),
    ("Str010", "Load Profile", "載入設定檔"),
    ("Str011", "English", "English"),
    ("Str012", "Chinese", "繁體中文"),
    ("Str013", "Chinese", "简体中文"),
    ("Str020", "Finding the device", "找不到指定的裝置"),
    ("Str100", "Waiting to reconnect device", "未偵測到裝置"),
    ("Str101", "", "請確認裝置已連接到USB連接埠"),
    ("Str102", "VELTRAXData.bin file type error", "VELTRAXData.bin 檔案類型錯誤"),
    ("Str103", "Macro bin length out of range", "巨集檔案長度超出範圍"),
    ("Str104", "EEPROM space shortage", "EEPROM 空間不足"),
    ("Str106", "This macro already exists", "此資料夾中已有同名的巨集"),
    ("Str107", "The mouse manufacturer or product id error", "滑鼠的廠商或產品ID錯誤"),
    ("Str108", "Please keep a Left Key", "請保留一個左鍵"),
    ("Str109", "Fail", "燒錄失敗"),
    ("Str200", "*", "*"),
    ("Str201", "Standard Mouse Key", "標準滑鼠按鍵"),
    ("Str202", "Special Key", "特殊按鍵"),
    ("Str203", "Media Fn", "多媒體功能"),
    ("Str204", "WWW Fn", "網頁功能"),
    ("Str205", "User-defined", "自訂鍵盤按鍵"),
    ("Str206", "Base Macro", "一般巨集"),
    ("Str207", "PC Fn", "電腦功能"),
    ("Str210", "Left Key", "左鍵"),
    ("Str211", "Right Key", "右鍵"),
    ("Str212", "Middle Key", "中鍵"),
    ("Str213", "Back", "後退鍵"),
    ("Str214", "Forward", "前進鍵"),
    ("Str220", "Fire Key", "連發鍵"),
    ("Str221", "LED Switch", "LED開關"),
    ("Str222", "AIM Key", "狙擊鍵"),
    ("Str224", "Key Off", "關閉按鍵"),
    ("Str225", "KB Switch Key", "按鍵模式切換鍵"),
    ("Str226", "LED Switch Key", "燈光模式切換鍵"),
    ("Str230", "DPI Key", "DPI鍵"),
    ("Str231", "DPI Loop", "DPI循環"),
    ("Str232", "DPI +", "DPI +"),
    ("Str233", "DPI -", "DPI -"),
    ("Str240", "My Computer", "我的電腦"),
    ("Str241", "Calculator", "小算盤"),
    ("Str242", "E-Mail", "電子郵件"),
    ("Str243", "Desktop", "桌面"),
    ("Str250", "Play/Pause", "播放/暫停"),
    ("Str251", "Stop", "停止"),
    ("Str252", "Previous Track", "上一首"),
    ("Str253", "Next Track", "下一首"),
    ("Str254", "Volume +", "音量 +"),
    ("Str255", "Volume -", "音量 -"),
    ("Str256", "Mute", "靜音"),
    ("Str260", "Home", "首頁"),
    ("Str261", "Search", "搜尋"),
    ("Str262", "Back", "上一頁"),
    ("Str263", "Forward", "下一頁"),
    ("Str264", "Stop", "停止"),
    ("Str265", "Refresh", "重新整理"),
    ("Str266", "Favorites", "我的最愛"),
    ("Str700", "Press 'Middle Key' 3s Switch Mode A/Mode B", "長按「中鍵」3秒切換模式A/模式B"),
    ("Str701", "Press 'CPI' 3s Switch Mode A/Mode B", "長按「CPI」3秒切換模式A/模式B"),
] + [(f"Str{300 + i}", v, v) for i, v in enumerate(
    ["500", "800", "1000", "1200", "1600", "2000", "2400", "3200", "4000", "4800", "6400"])] + [
    ("Str400", "Record", "開始記錄"),
    ("Str401", "Stop", "停止記錄"),
    ("Str402", "Rename", "重新命名"),
    ("Str404", "Export One", "匯出單個"),
    ("Str405", "Export All", "全部匯出"),
    ("Str406", "Import One", "匯入單個"),
    ("Str407", "Import All", "全部匯入"),
    ("Str408", "Delete", "刪除"),
    ("Str409", "Insert", "插入"),
    ("Str432", "New Macro", "新增巨集"),
    ("Str433", "Delect Macro", "刪除巨集"),
    ("Str435", "Edit", "編輯"),
    ("Str436", "Release Key for Stop", "放開按鍵即停止"),
    ("Str437", "Release Key for Continue", "放開按鍵後繼續"),
    ("Str410", "Insert Delay Front", "在前方插入延遲"),
    ("Str411", "Insert Delay Back", "在後方插入延遲"),
    ("Str412", "Insert Key Front", "在前方插入按鍵"),
    ("Str413", "Insert Key Back", "在後方插入按鍵"),
    ("Str414", "Record Delay", "記錄延遲"),
    ("Str415", "Default Delay", "延遲設定"),
    ("Str416", "No Delay", "無延遲"),
    ("Str417", "Delay Time", "延遲時間"),
    ("Str418", "ms", "毫秒"),
    ("Str440", "Insert X axis Front", "在前方插入X軸移動"),
    ("Str441", "Insert X axis Back", "在後方插入X軸移動"),
    ("Str442", "Insert Y axis Front", "在前方插入Y軸移動"),
    ("Str443", "Insert Y axis Back", "在後方插入Y軸移動"),
    ("Str444", "X axis value", "X軸數值"),
    ("Str445", "Y axis value", "Y軸數值"),
    ("Str446", "Insert Start Repeat", "插入重複開始"),
    ("Str447", "Insert Stop Repeat", "插入重複結束"),
    ("Str448", "Repeat Number", "重複次數"),
    ("Str420", "OK", "插入"),
    ("Str421", "OK", "儲存"),
    ("Str422", "Cancel", "取消"),
    ("Str430", "OK for clear macro?", "確定要清除巨集嗎？"),
    ("Str500", "Assembly Key", "鍵盤組合鍵"),
    ("Str501", "Confirm", "確認"),
    ("Str502", "Clear", "清除"),
    ("Str510", "Macro Name", "巨集名稱"),
    ("Str511", "OK", "確定"),
    ("Str512", "Cancel", "取消"),
    ("Str520", "Input One Key", "請輸入一個按鍵"),
    ("Str521", "Input Delay Time", "請輸入延遲時間"),
    ("Str522", "Please Select One Color", "請選擇一種顏色"),
    ("Str523", "Input Value", "請輸入數值"),
]

HEAD = {
    1: {"FontName": "Arial Narrow", "Title": "KOVA7 Gaming mouse"},
    2: {"FontName": "Microsoft JhengHei", "Title": "KOVA7 遊戲滑鼠"},
    3: {"FontName": "Arial", "Title": "BRAVIK-QN512"},
}

# Where the second English table words things its own way.
LANG3 = {
    "Str011": "Japanese", "Str012": "Language2", "Str013": "English",
    "Str230": "CPI Key", "Str231": "CPI Loop", "Str232": "CPI +", "Str233": "CPI -",
    "Str262": "WWW Back", "Str263": "WWW Forward",
}


def table(n):
    entries = dict(HEAD[n])
    for key, english, chinese in TEXTS:
        entries[key] = chinese if n == 2 else LANG3.get(key, english) if n == 3 else english
    lines = [f"[lang{n}]"] + [f'"{k}={v}"' for k, v in entries.items()]
    assert len(entries) == 129 and not any('"' in v for v in entries.values())
    return "\r\n".join(lines) + "\r\n"


def main():
    out = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "resources") / "lang"
    out.mkdir(parents=True, exist_ok=True)
    for n in (1, 2, 3):
        (out / f"lang{n}.ini").write_bytes(b"\xff\xfe" + table(n).encode("utf-16-le"))


main()
