// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "QuibraWindow.h"

#include <QDir>
#include <QTemporaryDir>

#include <memory>

// A fresh, empty working directory for one test: the program reads and
// writes "rate.dat" and "QuibraHelp.txt" in the working directory.
class ScratchDirectory {
public:
    ScratchDirectory()
        : previous_(QDir::currentPath())
    {
        QDir::setCurrent(directory_.path());
    }
    ~ScratchDirectory() { QDir::setCurrent(previous_); }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

private:
    QTemporaryDir directory_;
    QString previous_;
};

void writeFile(const QString& name, const QByteArray& bytes);

// The window after its initialisation, shown and exposed.
std::unique_ptr<QuibraWindow> openWindow();
