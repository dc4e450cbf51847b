#pragma once

#include "molar/FormulaMetrics.h"

#include <QFont>
#include <QPoint>
#include <QString>
#include <QVector>

class QPainter;
class QRect;

// The settings of a formula string that decide how subscripts are made; the layout writes
// `subPercent` and `subPosition` back when they come from the font.
struct SubscriptSettings
{
    int subPercent = 100;
    int subPosition = 50;
    bool autoSubscript = false;
};

// The fonts and distances of one line's layout, computed from its font.
struct SubscriptMetrics
{
    QFont font;
    QFont subFont;
    int mainHeight = 0;
    int mainAscent = 0;
    int subHeight = 0;
    int subAscent = 0;
    int drop = 0;        // how far a subscript's top stands below the line's top
    int italicShift = 0; // how far a subscript stands left of the pen
    int overhang = 0;    // averaged over both fonts; taken off every run after the first
    int fourKern = 0;    // extra shift left of a subscript run that begins with "4"
    int dotSpacing = 0;  // room on each side of a middle dot
};

SubscriptMetrics subscriptMetrics(const FormulaMetrics &metrics, const QFont &font,
                                  SubscriptSettings &settings);

// One run of characters of the same kind, where it is drawn: `at` is the top-left corner of
// its text, `pen` the x where the run begins before the shifts.
struct FormulaRun
{
    qsizetype start = 0;
    qsizetype length = 0;
    bool subscript = false;
    bool dot = false;
    int pen = 0;
    QPoint at;
};

struct FormulaLine
{
    QString text; // the line as drawn: "*" shown as the middle dot
    QVector<FormulaRun> runs;
    int width = 0; // the final pen x less the start
    int height = 0;
};

// Lays out one line from (left, top): which characters are lowered, where each run stands,
// the line's width and height.
FormulaLine layOutLine(QStringView line, const SubscriptMetrics &sub, const FormulaMetrics &metrics,
                       int left, int top);

// Draws a laid-out line clipped to `clip`; the runs whose pen lies past its right edge are not
// drawn. The painter's pen gives the colour.
void drawLine(QPainter &painter, const FormulaLine &line, const SubscriptMetrics &sub,
              const QRect &clip);
