// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TextPanel.h"

namespace {

std::string_view iconName(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::information:
        return "information";
    case MessageIcon::exclamation:
        return "exclamation";
    case MessageIcon::stop:
        return "stop";
    }
    return "";
}

} // namespace

void TextPanel::showMessage(std::string_view text, MessageIcon icon)
{
    messages_ += "message\t";
    messages_ += iconName(icon);
    messages_ += '\t';
    for (const char c : text) {
        if (c == '\n')
            messages_ += "\\n";
        else
            messages_ += c;
    }
    messages_ += '\n';
}

std::string TextPanel::takeRecord(std::string_view label)
{
    std::string record = std::move(messages_);
    messages_.clear();
    record += label;
    record += '\t';
    record += display_;
    record += '\t';
    record += rateBox_;
    record += '\t';
    std::string disabled;
    for (int i = 0; i < unitKeyCount; ++i) {
        if (isEnabled(unitKeyAt(i)))
            continue;
        if (!disabled.empty())
            disabled += ',';
        disabled += keySpec(unitKeyAt(i)).name;
    }
    record += disabled.empty() ? "-" : disabled;
    record += '\n';
    return record;
}
