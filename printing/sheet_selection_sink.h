#pragma once

#include "export/tile_sink.h"

#include <memory>
#include <set>

namespace tessellon {

// Passes on only the chosen sheets to the sink that makes the pages, so that a reprint of "B2"
// is one page. Every other call goes through unchanged.
class SheetSelectionSink : public TileSink {
public:
    // An empty selection passes every sheet. `added` counts the sheets passed on; it is the
    // caller's, so that the count outlives the sink, which the saver lets go when it ends.
    SheetSelectionSink(std::unique_ptr<TileSink> pages, std::set<int> sheets, int& added)
        : pages_(std::move(pages)), sheets_(std::move(sheets)), added_(added) {}

    QString Folder() const override { return pages_->Folder(); }
    QString DocumentPath() const override { return pages_->DocumentPath(); }
    std::optional<UserMessage> CheckNames() const override { return pages_->CheckNames(); }
    std::optional<UserMessage> ExistingTarget() const override { return std::nullopt; }
    std::optional<UserMessage> Open() override { return pages_->Open(); }
    std::optional<UserMessage> Add(int index, const QByteArray& encoded, QSize pixels) override {
        if (!sheets_.empty() && !sheets_.contains(index))
            return std::nullopt;
        ++added_;
        return pages_->Add(index, encoded, pixels);
    }
    QString CannotWrite(int index) const override { return pages_->CannotWrite(index); }
    std::optional<UserMessage> Finish() override { return pages_->Finish(); }
    void Abandon() override { pages_->Abandon(); }

private:
    std::unique_ptr<TileSink> pages_;
    std::set<int> sheets_;
    int& added_;
};

} // namespace tessellon
