#pragma once

#include <QString>

// Every text the window shows, spelled exactly as the program shows it.
namespace zorvanta::uiTexts {

inline const QString windowCaption = QStringLiteral("Zorvanta");

inline const QString operationLabel = QStringLiteral("请选择计算方式:");
inline const QString addOperation = QStringLiteral("+");
inline const QString subtractOperation = QStringLiteral("-");
inline const QString multiplyOperation = QStringLiteral("x");
inline const QString divideOperation = QStringLiteral("÷");

inline const QString rangeGroup = QStringLiteral("请选择计算范围:");
inline const QString twentyRange = QStringLiteral("20以内的计算题");
inline const QString hundredRange = QStringLiteral("100以内的计算题");

inline const QString singleRow = QStringLiteral("单算出题");
inline const QString randomRow = QStringLiteral("随机出题");
inline const QString batchSingleRows = QStringLiteral("批量单算出题");
inline const QString batchRandomRows = QStringLiteral("批量混算出题");
inline const QString mixedProblem = QStringLiteral("随机混合出题");
inline const QString mixedProblemHint = QStringLiteral("右键单击批量随机混合出题");
inline const QString print = QStringLiteral("打印");
inline const QString countPrompt = QStringLiteral("输入出题数量");

inline const QString contextMenuTitle = QStringLiteral("tc");
inline const QString menuSave = QStringLiteral("保存");
inline const QString menuCopy = QStringLiteral("复制");
inline const QString menuSelectAll = QStringLiteral("全选");
inline const QString menuPrint = QStringLiteral("打印");
inline const QString menuClear = QStringLiteral("清空");
inline const QString menuExit = QStringLiteral("退出");

inline const QString messageCaption = QStringLiteral("信息：");
inline const QString enterCount = QStringLiteral("请输入出题数量");
inline const QString selectTextToCopy = QStringLiteral("请选择需要复制的文本");
inline const QString nothingToPrint = QStringLiteral("你还没有出题,请先出题再打印");
inline const QString saveFailed = QStringLiteral("文件保存失败");
inline const QString printFailed = QStringLiteral("打印失败");

inline const QString folderMissing = QStringLiteral("文件夹不存在：\n%1");
inline const QString saveFilter = QStringLiteral("txt (*.txt)");
inline const QString saveSuffix = QStringLiteral("txt");
inline const QString documentName = QStringLiteral("小学数学计算题");

}  // namespace zorvanta::uiTexts
