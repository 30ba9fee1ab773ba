#include "text/CoreText.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <array>
#include <vector>

#include "history/EditHistory.h"
#include "model/EditorState.h"
#include "persistence/Messages.h"
#include "render/RenderError.h"
#include "render/export/ExportDestinations.h"
#include "render/export/ExportFrames.h"
#include "render/export/ExportSettings.h"
#include "render/export/IntermediateFrames.h"
#include "render/export/SheetComposer.h"

namespace fg::text {
namespace {

// How an argument of a template is shown: as it is (a path, a name), as a
// text of another context, or as a core message itself.
constexpr const char* kAsCoreText = "*";

struct CoreMessage {
    const char* context;
    const char* source;
    std::array<const char*, 4> argumentContexts{};
};

// Specific templates before general ones: the first that matches wins.
std::vector<CoreMessage> coreMessages() {
    using namespace persistence_text;
    return {
        {"fg::persistence_text", kReadErrorCaption},
        {"fg::persistence_text", kCannotRead},
        {"fg::persistence_text", kBrokenFile},
        {"fg::persistence_text", kNewerVersion},
        {"fg::persistence_text", kWriteErrorCaption},
        {"fg::persistence_text", kCannotWriteBecause, {nullptr, kAsCoreText}},
        {"fg::persistence_text", kCannotWrite},
        {"fg::persistence_text", kDiskFull},
        {"fg::persistence_text", kFileTooLarge},
        {"fg::persistence_text", kReadOnly},
        {"fg::persistence_text", kNoPermission},
        {"fg::persistence_text", kNoFolder},
        {"fg::persistence_text", kNotAFolder},
        {"fg::persistence_text", kFolderInTheWay},
        {"fg::persistence_text", kNameTooLong},
        {"fg::persistence_text", kDeviceError},
        {"fg::persistence_text", kFileBusy},
        {"fg::persistence_text", kSystemError},
        {"fg::persistence_text", kMaterialNameNotStorable},
        {"fg::persistence_text", kMaterialUnreadable},
        {"fg::persistence_text", kTreeNotStorable},
        {"fg::persistence_text", kWorkspaceError},
        {"fg::persistence_text", kRecentNotFound},
        {"fg::tree_text", tree_text::kConfirmCaption},
        {"fg::tree_text", tree_text::kCannotDelete},
        {"fg::tree_text", tree_text::kTooManyChildren},
        {"fg::tree_text", tree_text::kTooDeep},
        {"fg::export_text", export_text::kFixCaption},
        {"fg::export_text", export_text::kStartAfterEnd},
        {"fg::export_text", export_text::kBadStart},
        {"fg::export_text", export_text::kBadEnd},
        {"fg::export_text", export_text::kInfoFiles},
        {"fg::export_text", export_text::kInfoSheet},
        {"fg::export_text", export_text::kTargetFailed, {kAsCoreText}},
        {"fg::export_text", export_text::kCopyTargetFailed},
        {"fg::export_text", export_text::kDrawFailed},
        {"fg::export_text", export_text::kTooLarge},
        {"fg::export_text", export_text::kSaveFailed, {nullptr, kAsCoreText}},
        {"fg::export_text", export_text::kIntermediateFailed, {nullptr, kAsCoreText}},
        {"fg::export_text", export_text::kOverwritesProject},
        {"fg::render_text", render_text::kVertexShaderFailed},
        {"fg::render_text", render_text::kSpriteVertexShaderFailed},
        {"fg::render_text", render_text::kPixelShaderFailed},
        {"fg::render_text", render_text::kTextureFailed},
        {"fg::render_text", render_text::kSpriteCaption},
        {"fg::history_text", history_text::kStart},
        {"fg::history_text", history_text::kRename},
        {"fg::history_text", history_text::kAdd},
        {"fg::history_text", history_text::kDelete},
        {"fg::history_text", history_text::kMoved},
        {"fg::history_text", history_text::kGraph, {nullptr, "fg::Graph"}},
        // Not translated itself; its label is.
        {nullptr, history_text::kParameter, {nullptr, "fg::HistoryLabels"}},
    };
}

struct CompiledMessage {
    CoreMessage message;
    QRegularExpression pattern;  // unused for a constant
    std::vector<int> order;      // the argument number of each capture
};

std::vector<CompiledMessage> compile() {
    std::vector<CompiledMessage> compiled;
    static const QRegularExpression marker(QStringLiteral("%([1-9])"));
    for (const CoreMessage& message : coreMessages()) {
        CompiledMessage entry{message, {}, {}};
        const QString source = QString::fromUtf8(message.source);
        if (source.contains(marker)) {
            QString pattern = QStringLiteral("^");
            qsizetype from = 0;
            for (const QRegularExpressionMatch& m : marker.globalMatch(source)) {
                pattern += QRegularExpression::escape(source.mid(from, m.capturedStart() - from));
                pattern += QStringLiteral("(.*)");
                entry.order.push_back(m.captured(1).toInt());
                from = m.capturedEnd();
            }
            pattern += QRegularExpression::escape(source.mid(from)) + QStringLiteral("$");
            entry.pattern = QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption);
        }
        compiled.push_back(std::move(entry));
    }
    return compiled;
}

QString translated(const CoreMessage& message) {
    if (message.context == nullptr) return QString::fromUtf8(message.source);
    return QCoreApplication::translate(message.context, message.source);
}

QString argumentText(const QString& argument, const char* context) {
    if (context == nullptr) return argument;
    if (std::string_view(context) == kAsCoreText) return coreText(argument.toStdString());
    return QCoreApplication::translate(context, argument.toUtf8().constData());
}

}  // namespace

QString coreText(std::string_view filled) {
    // Built once: the history list asks for every row on each repaint.
    static const std::vector<CompiledMessage> messages = compile();
    const QString text = QString::fromUtf8(filled.data(), static_cast<qsizetype>(filled.size()));
    for (const CompiledMessage& entry : messages) {
        if (entry.order.empty()) {
            if (filled == entry.message.source) return translated(entry.message);
            continue;
        }
        const QRegularExpressionMatch match = entry.pattern.match(text);
        if (!match.hasMatch()) continue;
        QString result = translated(entry.message);
        // Arguments in number order, so %1 … %n fill the translation whatever
        // order the source used them in.
        std::array<QString, 9> arguments;
        for (std::size_t i = 0; i < entry.order.size(); ++i) {
            const auto number = static_cast<std::size_t>(entry.order[i]);
            const char* context = number <= entry.message.argumentContexts.size()
                                      ? entry.message.argumentContexts[number - 1]
                                      : nullptr;
            arguments[number - 1] = argumentText(match.captured(static_cast<int>(i) + 1), context);
        }
        // One pass, so an argument holding "%2" is not filled again.
        QString out;
        for (qsizetype i = 0; i < result.size(); ++i) {
            if (result[i] == u'%' && i + 1 < result.size() && result[i + 1] >= u'1' && result[i + 1] <= u'9') {
                out += arguments[static_cast<std::size_t>(result[i + 1].unicode() - u'1')];
                ++i;
            } else {
                out += result[i];
            }
        }
        return out;
    }
    return text;
}

std::string coreTextUtf8(std::string_view filled) { return coreText(filled).toStdString(); }

static_assert(std::string_view(kUntitledFileName) == "無題.nbx");

QString untitledFileName() { return QCoreApplication::translate("fg::CoreText", "無題.nbx"); }

}  // namespace fg::text
