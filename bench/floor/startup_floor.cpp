// The start-up floor: a bare Qt Widgets window of the main window's size with a menu bar and
// 103 custom-painted 33 x 33 cells with a bold caption. It writes one line to stdout at the end
// of its first frame, then quits, as the start-up probe does, so that both are timed alike;
// with MIRELON_PROBE_STAYS set it stays until ended, for its memory and libraries to be read.
#include "FirstFrame.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QWidget>

namespace {

constexpr int WindowWidth = 644;  // the main window's width at start
constexpr int ClientHeight = 453; // below the menu bar
constexpr int CellCount = 103;
constexpr int CellSize = 33;
constexpr int Columns = 18;

class Cell : public QWidget
{
public:
    Cell(QWidget *parent, int number) : QWidget(parent), m_caption(QString::number(number))
    {
        resize(CellSize, CellSize);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(192, 220, 192));
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.drawText(rect(), Qt::AlignCenter, m_caption);
    }

private:
    QString m_caption;
};

class Window : public QMainWindow
{
public:
    Window()
    {
        QMenu *graphs = menuBar()->addMenu(QStringLiteral("&Graphiques"));
        graphs->addAction(QStringLiteral("Graph &XY"));
        graphs->addAction(QStringLiteral("Graph &L/C"));
        graphs->addAction(QStringLiteral("Graph &3D"));
        menuBar()->addAction(QStringLiteral("&Ensembles"));
        menuBar()->addAction(QStringLiteral("&About"));
        menuBar()->addAction(QStringLiteral("E&xit"));
        auto *client = new QWidget(this);
        setCentralWidget(client);
        // One font shared by every cell, asked for by its installed family.
        QFont caption(QStringLiteral("Liberation Sans"));
        caption.setPixelSize(15);
        caption.setBold(true);
        for (int i = 0; i < CellCount; ++i) {
            auto *cell = new Cell(client, i + 1);
            cell->setFont(caption);
            cell->move(i % Columns * CellSize, 40 + i / Columns * CellSize);
        }
        resize(WindowWidth, menuBar()->sizeHint().height() + ClientHeight);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QMainWindow::paintEvent(event);
        if (m_painted)
            return;
        m_painted = true;
        reportFirstFrame();
    }

private:
    bool m_painted = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Window window;
    window.show();
    return app.exec();
}
