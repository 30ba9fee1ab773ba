#pragma once
// The editor controller: owns the document state `g`, the preview
// simulation with its worker and the edit history, and carries out the
// commands of the main window without any widget. Questions to the user go
// through EditorPrompts.
//
// The commands are cut by concern into a few controllers, each in its own
// file and owned by the Editor:
//   Editor                  effect edits (parameters, curves, the node
//                           panel's tree commands), the edit history, the
//                           modified flag, the preview worker and the
//                           document-change bracket;
//   document()              new, open, save, the title and the recent files
//                           (DocumentController);
//   materials()             the material list and its commands
//                           (MaterialController);
//   viewSettings()          project, background and export settings, the
//                           camera, the view list and the display flags
//                           (ViewSettingsController);
//   playback()              the preview's time: play, pause, step, jump,
//                           speed and the loop preview (PlaybackController).
// The controllers are parts of the Editor: they change the one document
// through its bracket and announce every change through its one signal,
// documentChanged(what), with the parts the command touched. Widgets call
// the controller they need and react to the parts that concern them.
// Reading is const: state() hands out the document read-only; writes go
// through the commands (or changeDocument's bracket).

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/DocumentChange.h"
#include "app/DocumentController.h"
#include "app/EditorPrompts.h"
#include "app/MaterialController.h"
#include "app/PlaybackController.h"
#include "app/ViewSettingsController.h"
#include "history/EditHistory.h"
#include "history/TreeCommandEdit.h"
#include "model/ColourGradient.h"
#include "model/CurvePresets.h"
#include "model/EditorState.h"
#include "model/NodeFields.h"
#include "persistence/Workspace.h"
#include "simulation/PreviewTransport.h"
#include "simulation/Simulation.h"
#include "simulation/Worker.h"

namespace fg {

class Editor : public QObject {
    Q_OBJECT

public:
    // Starts from the start-up effect (the root with one selected node) in
    // `workspace`, which the editor keeps and removes when it ends.
    explicit Editor(ScopedWorkspace workspace, QObject* parent = nullptr);
    ~Editor() override;

    const EditorState& state() const { return m_g; }
    // The preview simulation, to read (its effect table, its settings).
    const Simulation& simulation() const { return *m_simulation; }
    // The preview's live-particle limit (the program settings'), before the
    // worker starts.
    void setParticleLimit(std::uint32_t limit);
    bool workerRunning() const { return m_worker->isRunning(); }

    // Questions are answered by `prompts` (not owned; null answers nothing
    // and so keeps unsaved changes by cancelling).
    void setPrompts(EditorPrompts* prompts) { m_prompts = prompts; }
    EditorPrompts* prompts() const { return m_prompts; }

    // The worker draws through `view` (not owned; null: the worker idles).
    // Restarts the worker when it was running.
    void attachView(WorkerView* view);
    // The same with a view made for the live simulation, which only the
    // worker's view may step and sort (on the worker's thread); the editor
    // keeps the view until another one is attached.
    using WorkerViewMaker = std::function<std::unique_ptr<WorkerView>(Simulation&)>;
    void attachView(const WorkerViewMaker& makeView);
    void startWorker();
    void stopWorker();

    // The document-change bracket: stop the worker, change, restart the
    // preview from the changed state, start the worker again.
    void changeDocument(const std::function<void()>& change);
    // The document-change bracket handing the document to `change`, for a
    // change no command makes (a test's set-up): announced as `what` and a
    // preview restart.
    void changeDocument(DocumentChanges what, const std::function<void(EditorState&)>& change);
    // A single parameter edit: reaches the running preview at its next step.
    void publishParameters();

    // "リメイク": the same effect with the next random seed.
    void remake();

    // The controllers by concern (see above).
    DocumentController& document() { return *m_document; }
    const DocumentController& document() const { return *m_document; }
    MaterialController& materials() { return *m_materials; }
    const MaterialController& materials() const { return *m_materials; }
    ViewSettingsController& viewSettings() { return *m_viewSettings; }
    const ViewSettingsController& viewSettings() const { return *m_viewSettings; }
    PlaybackController& playback() { return *m_playback; }
    const PlaybackController& playback() const { return *m_playback; }

    // The preview plays the effect as `export --loop` exports it (on) or as
    // the effect runs once (off): the preview restarts.
    void setLoopPreview(bool loop);

    // True: a change outside the history; false: the present state is the
    // saved one.
    void setModified(bool modified);
    // Whether the history stands away from the saved row, or a change
    // outside it happened since the last save or open.
    bool isModified() const { return m_g.isModified; }
    // A change that is no history entry (settings, camera): the project is
    // modified until it is saved.
    void markModified() { if (!m_changedOutsideHistory) setModified(true); }

    // ---- Edits of the effect (each becomes an edit-history entry) ----
    // A parameter of the selected node, by its row of the node-field table.
    // A value equal to the stored one changes nothing. The edit reaches the
    // running preview at its next step, without a restart.
    void editInt(const NodeField& field, std::int32_t value);
    void editFloat(const NodeField& field, float value);
    // Curve `graphNumber` of the selected node. One gesture (a press and its
    // drag, a paste) calls beginGraphEdit once, before its first change, and
    // setGraphPoints for every change. The gesture becomes one history entry
    // at its first change; one that changes nothing records nothing.
    void beginGraphEdit(int graphNumber);
    void setGraphPoints(int graphNumber, const GraphPoints& points);
    // The page buttons' and the curve window's "コピー" and "貼り付け":
    // curve `graphNumber` of the selected node to and from the point
    // clipboard. A paste replaces the points as one curve edit and does
    // nothing (false) while the clipboard holds fewer than two points.
    void copyCurvePoints(int graphNumber);
    bool canPastePoints() const;
    bool pasteCurvePoints(int graphNumber);
    // The curve window's presets: curve `graphNumber` of the selected node
    // takes the preset's points as one curve edit (false: no node).
    bool applyCurvePreset(int graphNumber, CurvePreset preset);
    // The colour page's gradient: the red, green, blue and opacity curves of
    // the selected node at once (ColourGradient). A gesture (a press and
    // its drag, a colour chosen, a stop removed) calls beginGradientEdit
    // once and setGradientPoints for every change; it becomes one history
    // entry "<node>-カラー グラデーション", made at its first real change.
    void beginGradientEdit();
    void setGradientPoints(const GradientPoints& points);
    // A whole gradient (the four curves) to and from the editor's own
    // gradient clipboard; a paste is one gradient edit (false: nothing to
    // paste or no node).
    void copyGradient();
    bool canPasteGradient() const { return m_gradientClipboard.has_value(); }
    bool pasteGradient();

    // ---- Node panel and history ----
    const EditHistory& history() const { return m_history; }
    // One entry back or forward, or on to `row` of the history list: the
    // worker stops, the effect changes, the preview restarts and the panels
    // and the shown page follow. Nothing happens where there is no step.
    void undo();
    void redo();
    void jumpTo(int row);
    // The base entry "スタート" alone (a project opened in place).
    void resetHistory();

    // The node panel's commands on the selected node. A command that does
    // not apply (move up on a first child …) neither stops the preview nor
    // records anything; a refusal is shown through the prompts.
    TreeEditResult addBelow();
    TreeEditResult addChild();
    TreeEditResult duplicateNode();
    TreeEditResult deleteNode();
    TreeEditResult moveDown();
    TreeEditResult moveUp();
    TreeEditResult makeChild();
    TreeEditResult makeParent();
    // Whether `command` would do anything (done or refused with a message)
    // on the selected node, without changing anything.
    bool treeCommandApplies(TreeCommand command) const;
    // Drag and drop in the node panel: node `id` with its subtree under
    // `parentId` (the root is 0) at `position` among its children as they
    // stand without it. One move entry; refusals as the other moves.
    TreeEditResult moveNodeTo(std::int32_t id, std::int32_t parentId, int position);
    // The selected node with its subtree and the materials it uses, as the
    // node clipboard's bytes (empty: nothing selected).
    std::string copyNodeBytes() const;
    // Pastes node clipboard bytes as the next sibling of the selected node
    // (a top-level node when nothing is selected): one add entry. The
    // materials they carry come in beside the project's (a clash of names
    // with different content keeps both, the new one renamed). Broken bytes
    // show a message and paste nothing.
    TreeEditResult pasteNodeBytes(std::string_view bytes);
    // Renames the selected node (cut to the name limit). False, with
    // nothing recorded, when the name stays the same.
    bool renameSelected(const std::string& name);
    void selectNode(std::int32_t id);
    // Shows or hides a node's particles in the preview (no history entry).
    void toggleVisible(std::int32_t id);

signals:
    // Every change of the document, by the parts it touched.
    void documentChanged(fg::DocumentChanges what);
    // The document controller ends this instance in favour of a fresh one
    // opening `path` (empty: none); the receiver starts it and closes.
    void relaunchRequested(const QString& path);

private:
    friend class DocumentController;
    friend class MaterialController;
    friend class ViewSettingsController;
    friend class PlaybackController;

    // Announces a change by the parts it touched; inside a command, once
    // the command is done.
    void notify(DocumentChanges what);
    // Held by every command for its whole run: the parts it touched go out
    // in one documentChanged when the outermost command ends, so a panel
    // refills once per command however many steps the command took.
    class ChangeBatch {
    public:
        explicit ChangeBatch(Editor& editor) : m_editor(editor) { ++m_editor.m_batchDepth; }
        ~ChangeBatch();
        ChangeBatch(const ChangeBatch&) = delete;
        ChangeBatch& operator=(const ChangeBatch&) = delete;

    private:
        Editor& m_editor;
    };
    // changeDocument's bracket without its announcement, for a command that
    // announces the restart together with the rest of what it changed.
    void restartAround(const std::function<void()>& change);
    // A worker for the attached view, moving the preview through the transport.
    std::unique_ptr<SimulationWorker> makeWorker();
    void showError(const Message& message, const Message& caption);

    EditorState m_g;  // before the simulation, which reads it
    ScopedWorkspace m_workspace;
    std::unique_ptr<Simulation> m_simulation;
    std::unique_ptr<PreviewTransport> m_transport;  // the worker's, while it runs
    WorkerView* m_view = nullptr;
    std::unique_ptr<WorkerView> m_ownedView;  // one made by attachView(maker)
    std::unique_ptr<SimulationWorker> m_worker;
    EditorPrompts* m_prompts = nullptr;
    std::unique_ptr<DocumentController> m_document;
    std::unique_ptr<MaterialController> m_materials;
    std::unique_ptr<ViewSettingsController> m_viewSettings;
    PlaybackControl m_playbackControl;  // shared with the worker
    std::unique_ptr<PlaybackController> m_playback;

    // Node panel, material panel and history.
    TreeEditResult treeCommand(TreeCommand command);
    // Shows a refusal, records the plan's edit and announces it.
    TreeEditResult runTreePlan(TreeCommandPlan plan);
    // Today's material list as names, for references kept by name.
    MaterialNameList materialNames() const;
    // An entry was recorded: the modified mark and the list follow.
    void noteHistoryEntry();
    // Undo, redo or a jump inside the document-change bracket;
    // `materialFiles`: the step changes material files too.
    void stepHistory(const std::function<void()>& step, bool materialFiles);
    // The modified mark from the clean row and outside changes; Title when it changed.
    DocumentChanges syncModified();
    // Saved or opened: the present state is the file's.
    void markSaved();
    EditHistory m_history;
    bool m_changedOutsideHistory = false;
    int m_batchDepth = 0;          // commands running (a command may call another)
    DocumentChanges m_pending;     // what they changed so far
    struct PendingGraphEdit {
        std::int32_t nodeId = 0;
        int graphNumber = 0;
        std::uint64_t gesture = 0;  // the history merges the gesture's changes by it
    };
    std::optional<PendingGraphEdit> m_pendingGraphEdit;  // the curve gesture under way
    struct PendingGradientEdit {
        std::int32_t nodeId = 0;
        std::uint64_t gesture = 0;
    };
    std::optional<PendingGradientEdit> m_pendingGradientEdit;  // the gradient gesture under way
    std::optional<GradientPoints> m_gradientClipboard;
    std::uint64_t m_lastGesture = 0;
};

}  // namespace fg
