#pragma once
#include <deque>
#include <optional>
#include <vector>

#include <QImage>
#include <QString>

#include "ui/chart_printer.h"
#include "ui/clipboard.h"
#include "ui/colour_chooser.h"
#include "ui/file_chooser.h"

namespace brumelle::test {

// Keeps what the windows put on the clipboard.
class FakeClipboard : public Clipboard {
public:
    QString text;
    QImage image;
    void SetText(const QString &t) override { text = t; }
    void SetImage(const QImage &i) override { image = i; }
};

// Answers the print dialog without showing it; keeps what would be printed.
// A file named in `unwritable` is a PDF file the print could not write.
class FakePrinter : public ChartPrinter {
public:
    bool confirm = true;
    int dialogs = 0;
    QString unwritable;
    std::optional<ClientPicture> printed;
    PrintOutcome Print(const ClientPicture &picture) override
    {
        ++dialogs;
        if (confirm)
            printed = picture;
        return {confirm && unwritable.isEmpty(), confirm ? unwritable : QString()};
    }
};

// Answers the file dialogs from a queue (nothing queued, or an empty name:
// the user cancels) and keeps what each was asked.
class FakeFileChooser : public FileChooser {
public:
    std::deque<QString> answers;
    std::vector<FileRequest> requests;
    std::optional<QString> Choose(const FileRequest &request) override
    {
        requests.push_back(request);
        const QString name = answers.empty() ? QString() : answers.front();
        if (!answers.empty())
            answers.pop_front();
        if (name.isEmpty())
            return std::nullopt;
        return name;
    }
};

// Answers the colour dialog with `answer` (nothing: cancelled) and keeps the
// colours it was started on.
class FakeColourChooser : public ColourChooser {
public:
    std::optional<int32_t> answer;
    std::vector<int32_t> starts;
    std::optional<int32_t> Choose(int32_t start) override
    {
        starts.push_back(start);
        return answer;
    }
};

} // namespace brumelle::test
