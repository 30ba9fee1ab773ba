#pragma once
// The editor controller: owns the document state `g`, the preview
// simulation with its worker, and carries out the commands of the main
// window without any widget. Widgets follow its signals and call its
// commands; questions to the user go through EditorPrompts.

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/DisplayFlags.h"
#include "app/DocumentChange.h"
#include "app/EditorPrompts.h"
#include "app/ProjectSettingsRules.h"
#include "history/EditHistory.h"
#include "model/EditorState.h"
#include "model/NodeFields.h"
#include "persistence/MaterialFiles.h"
#include "persistence/RecentFiles.h"
#include "persistence/Workspace.h"
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

    EditorState& state() { return m_g; }
    const EditorState& state() const { return m_g; }
    Simulation& simulation() { return *m_simulation; }
    bool workerRunning() const { return m_worker->isRunning(); }

    // Questions are answered by `prompts` (not owned; null answers nothing
    // and so keeps unsaved changes by cancelling).
    void setPrompts(EditorPrompts* prompts) { m_prompts = prompts; }
    EditorPrompts* prompts() const { return m_prompts; }

    // The worker draws through `view` (not owned; null: the worker idles).
    // Restarts the worker when it was running.
    void attachView(WorkerView* view);
    void startWorker();
    void stopWorker();

    // The document-change bracket: stop the worker, change, restart the
    // preview from the changed state, start the worker again.
    void changeDocument(const std::function<void()>& change);
    // A single parameter edit: reaches the running preview at its next step.
    void publishParameters();

    // "新規作成": after the unsaved-changes question, asks for a fresh
    // instance. False when the user cancelled.
    bool newProject();
    // "開く": the unsaved-changes question, then the open dialog; a chosen
    // file is opened by a fresh instance.
    bool openProject();
    // Files dropped on the view: the first one is opened by a fresh instance.
    bool openDropped(const QStringList& paths);
    // Opens a project in this instance (the command line, a recent entry).
    // On failure the user has been told why and the effect is empty.
    bool openInPlace(const std::string& path);
    // "最近使ったファイル" entry `index` of the menu.
    bool openRecent(int index);
    // "上書き保存": to the current path, or as a new file when there is none.
    bool save();
    // "名前を付けて保存": asks for a path.
    bool saveAs();
    // Saves to `path` and makes it the current project path.
    bool saveTo(const std::string& path);
    // "リメイク": the same effect with the next random seed.
    void remake();
    // Whether the window may close: the unsaved-changes question (not asked
    // again once a relaunch was requested). Stops the worker when it may.
    bool confirmClose();
    // Ends this instance in favour of a fresh one opening `path` (empty:
    // none). The receiver of relaunchRequested starts it and closes.
    void requestRelaunch(const QString& path);

    // The view's camera moved: kept in the project (saved with it), which
    // is now modified.
    void setCamera(Vec3f eye, Vec3f target);

    void setModified(bool modified);
    bool isModified() const { return m_g.isModified; }
    // A change that is no history entry (settings, camera): the project is
    // modified until it is saved.
    void markModified() { if (!m_g.isModified) setModified(true); }
    // "無題.nbx* - Fulgrane3D"
    QString titleText() const;

    const RecentFiles& recentFiles() const { return m_recent; }
    void setRecentFiles(RecentFiles recent);
    // The paths the recent-files menu lists, in order.
    QStringList recentMenuEntries() const;

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

    // ---- Node panel, material panel and history ----
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
    // Renames the selected node (cut to the name limit). False, with
    // nothing recorded, when the name stays the same.
    bool renameSelected(const std::string& name);
    void selectNode(std::int32_t id);
    // Shows or hides a node's particles in the preview (no history entry).
    void toggleVisible(std::int32_t id);

    // The material list: images first, then models.
    std::vector<MaterialFile> materials() const;
    // Imports the files in order with one reload; nodes keep their
    // materials. Files that cannot be read are named in one message and
    // the others still come in. Returns how many were imported.
    int importMaterials(const std::vector<std::string>& paths);
    // Deletes material `index`; nodes that used it lose it.
    bool deleteMaterial(int index);
    // How many nodes of the effect use material `index` (as texture or model).
    int nodesUsingMaterial(int index) const;
    // Copies material `index` to `destination`.
    bool saveMaterial(int index, const std::string& destination);
    // Mirrors image material `index` left to right (models: a message).
    bool mirrorMaterial(int index);

    // ---- Settings dialogs and view list ----
    // These settings are not edit-history entries: the history records only
    // effect edits. Each change marks the project modified instead, so that
    // closing asks before it is lost.

    // "プロジェクトの設定" accepted: the numbers clamped to their ranges, the
    // export range reset to the whole effect with ⌊√frames⌋ frames per row.
    // Restarts the preview.
    void setProjectSettings(const ProjectSettingsChoice& choice);
    // "背景色の設定": red, green and blue, 0..255. Restarts the preview,
    // which takes the project's settings at a restart.
    void setBackgroundColor(Vec3f color);
    // The export dialog's values as they are typed (Cancel keeps them).
    void setExportSettings(const WriteSettings& write, std::int32_t frameWidth, std::int32_t frameHeight);
    // "カメラの設定" and the view list: the view's camera goes to eye and
    // target at once (cameraPlaced).
    void setCameraPlacement(Vec3f eye, Vec3f target);
    // "＜追加＞": the current camera as a new view before the add row.
    void addView();
    // "×" of view `index`; the add row cannot be removed.
    void removeView(int index);
    // A click on view `index`: the camera goes to its position and target.
    void applyView(int index);

    const DisplayFlags& displayFlags() const { return m_display; }
    void setDisplayFlags(const DisplayFlags& flags);
    void toggleFrameDisplay();
    void toggleParticleDisplay();
    void toggleFpsDisplay();

signals:
    // Every change of the document, by the parts it touched.
    void documentChanged(fg::DocumentChanges what);
    void treeChanged();
    void selectionChanged();
    void previewRestarted();
    void pageReload();
    void titleChanged(const QString& title);
    void materialsChanged();
    void recentFilesChanged();
    void displayFlagsChanged();
    void relaunchRequested(const QString& path);
    // The camera dialogs or the view list placed the camera (g.camera).
    void cameraPlaced();
    void viewListChanged();
    void historyChanged();

private:
    // Announces a change: documentChanged, then the signal of each part.
    void notify(DocumentChanges what);
    // Asks about unsaved changes; true when the operation may go on.
    bool resolveUnsavedChanges();
    void addRecent(const std::string& path);
    void showError(const std::string& message, const std::string& caption);

    EditorState m_g;  // before the simulation, which reads it
    ScopedWorkspace m_workspace;
    std::unique_ptr<Simulation> m_simulation;
    WorkerView* m_view = nullptr;
    std::unique_ptr<SimulationWorker> m_worker;
    EditorPrompts* m_prompts = nullptr;
    RecentFiles m_recent;
    DisplayFlags m_display;
    bool m_leaving = false;  // a relaunch was requested: no more questions

    // Node panel, material panel and history.
    TreeEditResult treeCommand(TreeEditResult (EffectTree::*command)(), EntryKind kind);
    void changeMaterials(const std::function<void()>& change);
    // Today's material list as names, for references kept by name.
    MaterialNameList materialNames() const;
    // An entry was recorded: the project is modified, the list follows.
    void noteHistoryEntry();
    void afterHistoryStep();
    EditHistory m_history;
    struct PendingGraphEdit {
        std::int32_t nodeId = 0;
        int graphNumber = 0;
    };
    std::optional<PendingGraphEdit> m_pendingGraphEdit;  // a gesture begun, not yet recorded
};

}  // namespace fg
