// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor for the start-up benchmark: an empty Qt main window of the
// program's size with a three-menu bar, and nothing else.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    for (const char* title : {"File", "Begin Review", "Help"})
        window.menuBar()->addMenu(QString::fromLatin1(title));
    auto* client = new QWidget(&window);
    client->setFixedSize(480, 257);
    window.setCentralWidget(client);
    window.show();
    return QApplication::exec();
}
