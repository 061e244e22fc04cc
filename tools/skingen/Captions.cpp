#include "Captions.h"

namespace skingen {
namespace {

Captions English(const QString& dpi, const QString& product) {
  Captions c;
  c.product = product;
  c.pages = "PAGES";
  c.profile = "PROFILE";
  c.presets = "FACTORY PRESETS";
  c.language = "LANGUAGE";
  c.keysTitle = "BUTTON ASSIGNMENT";
  c.keysHint = "Click a button's label to choose its function.";
  c.dpiTitle = dpi + " LEVELS";
  c.dpiLevels = "Levels";
  c.fireTitle = "FIRE KEY";
  c.fireShots = "Shots per press";
  c.fireInterval = QString::fromUtf8("Interval (× 8 ms)");
  c.pointerTitle = "POINTER";
  c.pointerSpeed = "Pointer speed";
  c.doubleClick = "Double-click speed";
  c.scrollLines = "Scroll lines per notch";
  c.precision = "Enhance pointer precision";
  c.screenPerNotch = "One screen per notch";
  c.lightTitle = "LIGHTING";
  c.ledPower = "LED";
  c.ledSwitch = "LED switch (M + " + dpi + ")";
  c.modeSwitch = "Mode switch (L + " + dpi + ")";
  c.rememberMode = "Remember key mode";
  c.brightness = "Brightness";
  c.on = "On";
  c.off = "Off";
  c.save = "Save";
  c.noSave = "Don't save";
  c.full = "Full";
  c.half = "Half";
  c.lightModes = "LIGHT EFFECT";
  c.mode = "Mode ";
  c.lightSpeed = "EFFECT SPEED";
  c.ledCount = "LED COUNT";
  c.keyModeColors = "KEY MODE COLOURS";
  c.modeA = "Mode A";
  c.modeB = "Mode B";
  c.library = "MACRO LIBRARY";
  c.events = "EVENTS";
  c.recording = "RECORDING";
  c.recordDelay = "Record delay";
  c.defaultDelay = "Default delay";
  c.noDelay = "No delay";
  c.ms = "ms";
  c.releaseStop = "Release key: stop";
  c.releaseContinue = "Release key: continue";
  c.macroHint = "Pick a macro, press Record, type and click, then press Stop. "
                "Right-click a macro or an event for more.";
  return c;
}

Captions TraditionalChinese() {
  Captions c;
  c.product = QString::fromUtf8("KOVA7 遊戲滑鼠");
  c.pages = QString::fromUtf8("頁面");
  c.profile = QString::fromUtf8("設定檔");
  c.presets = QString::fromUtf8("原廠設定");
  c.language = QString::fromUtf8("語言");
  c.keysTitle = QString::fromUtf8("按鍵設定");
  c.keysHint = QString::fromUtf8("按一下按鍵名稱即可選擇其功能。");
  c.dpiTitle = QString::fromUtf8("DPI 段位");
  c.dpiLevels = QString::fromUtf8("段數");
  c.fireTitle = QString::fromUtf8("連發鍵");
  c.fireShots = QString::fromUtf8("每次連發次數");
  c.fireInterval = QString::fromUtf8("間隔（× 8 毫秒）");
  c.pointerTitle = QString::fromUtf8("指標");
  c.pointerSpeed = QString::fromUtf8("指標速度");
  c.doubleClick = QString::fromUtf8("連按兩下速度");
  c.scrollLines = QString::fromUtf8("滾輪每格捲動行數");
  c.precision = QString::fromUtf8("提高指標準確度");
  c.screenPerNotch = QString::fromUtf8("滾輪每格捲動一頁");
  c.lightTitle = QString::fromUtf8("燈光");
  c.ledPower = QString::fromUtf8("LED 燈");
  c.ledSwitch = QString::fromUtf8("LED 開關（中鍵 + DPI）");
  c.modeSwitch = QString::fromUtf8("燈效切換（左鍵 + DPI）");
  c.rememberMode = QString::fromUtf8("記住按鍵模式");
  c.brightness = QString::fromUtf8("亮度");
  c.on = QString::fromUtf8("開");
  c.off = QString::fromUtf8("關");
  c.save = QString::fromUtf8("記住");
  c.noSave = QString::fromUtf8("不記住");
  c.full = QString::fromUtf8("全亮");
  c.half = QString::fromUtf8("半亮");
  c.lightModes = QString::fromUtf8("燈光效果");
  c.mode = QString::fromUtf8("模式 ");
  c.lightSpeed = QString::fromUtf8("燈效速度");
  c.ledCount = QString::fromUtf8("LED 數量");
  c.keyModeColors = QString::fromUtf8("按鍵模式顏色");
  c.modeA = QString::fromUtf8("模式A");
  c.modeB = QString::fromUtf8("模式B");
  c.library = QString::fromUtf8("巨集庫");
  c.events = QString::fromUtf8("事件");
  c.recording = QString::fromUtf8("錄製");
  c.recordDelay = QString::fromUtf8("記錄延遲");
  c.defaultDelay = QString::fromUtf8("預設延遲");
  c.noDelay = QString::fromUtf8("無延遲");
  c.ms = QString::fromUtf8("毫秒");
  c.releaseStop = QString::fromUtf8("放開按鍵即停止");
  c.releaseContinue = QString::fromUtf8("放開按鍵後繼續");
  c.macroHint = QString::fromUtf8("選擇一個巨集，按「開始記錄」後輸入按鍵或點按滑鼠，再按「停止記錄」。"
                                  "在巨集或事件上按右鍵可使用更多功能。");
  return c;
}

}  // namespace

const Captions& CaptionsOf(int language) {
  static const Captions first = English("DPI", "KOVA7 GAMING MOUSE");
  static const Captions second = TraditionalChinese();
  static const Captions third = English("CPI", "BRAVIK-QN512");
  return language == 2 ? second : language == 3 ? third : first;
}

}  // namespace skingen
