// Camera defaults, matrices, fitting a sphere into the view and the mouse
// drag rules of the view tools.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "render/camera/CameraControl.h"
#include "render/camera/CameraFit.h"

namespace fg {
namespace {

float distanceOf(const Camera& camera) { return length(camera.eye - camera.target); }

TEST(Camera, DefaultsLookFromAboveBehindWithSixtyDegrees) {
    Camera camera;
    camera.updateMatrices(400, 200);
    EXPECT_EQ(camera.eye, (Vec3f{0, 5, -10}));
    EXPECT_EQ(camera.target, (Vec3f{0, 0, 0}));
    // Vertical field of view 60°: y scale = 1 / tan(30°); x scale divided by the aspect 2.
    EXPECT_NEAR(camera.projection.m[1][1], 1.0f / std::tan(3.14159265f / 6.0f), 1e-5f);
    EXPECT_NEAR(camera.projection.m[0][0], camera.projection.m[1][1] / 2.0f, 1e-5f);
    // The target lands in the middle of the view, in front of the camera.
    const Vec3f clip = transformCoord(camera.target, camera.view * camera.projection);
    EXPECT_NEAR(clip.x, 0.0f, 1e-5f);
    EXPECT_NEAR(clip.y, 0.0f, 1e-5f);
    EXPECT_GT(clip.z, 0.0f);
    EXPECT_LT(clip.z, 1.0f);
}

TEST(Camera, ExportMatricesUseTheProjectFrameAspect) {
    Camera camera;
    ProjectSettings project;
    project.width = 300;
    project.height = 100;
    camera.updateMatricesForExport(project);
    EXPECT_NEAR(camera.projection.m[0][0], camera.projection.m[1][1] / 3.0f, 1e-5f);
}

TEST(Camera, BillboardTurnsTheQuadNormalTowardsTheCamera) {
    Camera camera;
    camera.updateMatrices(100, 100);
    const Mat4 billboard = camera.billboard();
    // The quad's +z (its back) points away from the eye, along the view direction.
    const Vec3f forward = normalize(transformNormal(Vec3f{0, 0, 1}, billboard));
    const Vec3f view = normalize(camera.target - camera.eye);
    EXPECT_NEAR(dot(forward, view), 1.0f, 1e-5f);
    // Billboard then view leaves the quad axis-aligned on screen.
    const Mat4 onScreen = billboard * camera.view;
    EXPECT_NEAR(onScreen.m[0][0], 1.0f, 1e-5f);
    EXPECT_NEAR(onScreen.m[1][1], 1.0f, 1e-5f);
    EXPECT_NEAR(onScreen.m[2][2], 1.0f, 1e-5f);
}

// Where the sphere around `centre` meets the view's frustum: the largest
// share of the half-width / half-height / depth range any of its extreme
// points uses (1: touching an edge).
double frustumUse(const CameraPlacement& placed, Vec3f centre, float radius, int width, int height) {
    Camera camera;
    camera.eye = placed.eye;
    camera.target = placed.target;
    camera.updateMatrices(width, height);
    const Mat4 m = camera.view * camera.projection;
    double use = 0.0;
    // The sphere's outline as seen from the eye lies within these points
    // taken across the view's own axes.
    const Vec3f forward = normalize(placed.target - placed.eye);
    const Vec3f right = normalize(cross(Vec3f{0.0f, 1.0f, 0.0f}, forward));
    const Vec3f up = cross(forward, right);
    for (const Vec3f offset : {right, right * -1.0f, up, up * -1.0f, forward, forward * -1.0f}) {
        const Vec3f p = centre + offset * radius;
        double clip[4];
        for (int j = 0; j < 4; ++j) {
            clip[j] = static_cast<double>(p.x * m.m[0][j] + p.y * m.m[1][j] + p.z * m.m[2][j] + m.m[3][j]);
        }
        if (clip[3] <= 0.0) return 1e9;
        use = std::max({use, std::fabs(clip[0] / clip[3]), std::fabs(clip[1] / clip[3]), clip[2] / clip[3]});
        if (clip[2] < 0.0) return 1e9;
    }
    return use;
}

TEST(CameraFit, TheSphereFitsTheNarrowerFieldOfViewWithALittleRoom) {
    const CameraPlacement from{{3.0f, 6.0f, -9.0f}, {1.0f, 1.0f, 0.0f}};
    const Vec3f centre{10.0f, 2.0f, 5.0f};
    for (const auto& [width, height] : {std::pair{1600, 900}, std::pair{400, 1000}, std::pair{500, 500}}) {
        const CameraPlacement placed = fitCameraToSphere(from, centre, 4.0f, double(width) / double(height));
        EXPECT_EQ(placed.target, centre);
        const Vec3f before = normalize(from.target - from.eye);
        const Vec3f after = normalize(placed.target - placed.eye);
        EXPECT_NEAR(dot(before, after), 1.0f, 1e-5f);
        // Inside, yet not far off: the sphere takes most of the narrower side.
        const double use = frustumUse(placed, centre, 4.0f, width, height);
        EXPECT_LT(use, 1.0) << width << "x" << height;
        EXPECT_GT(use, 0.7) << width << "x" << height;
    }
}

TEST(CameraFit, OddInputsStillGiveAUsablePlacement) {
    // No direction to keep: the default placement's.
    const CameraPlacement standard;
    const CameraPlacement still = fitCameraToSphere({{1.0f, 1.0f, 1.0f}, {1.0f, 1.0f, 1.0f}}, {}, 1.0f, 1.0);
    EXPECT_NEAR(dot(normalize(still.target - still.eye), normalize(standard.target - standard.eye)), 1.0f, 1e-5f);
    // A point is framed as a small sphere, well outside the near plane.
    const CameraPlacement point = fitCameraToSphere(standard, {}, 0.0f, 1.0);
    EXPECT_GT(length(point.eye - point.target), 0.5f);
    // A view without width, or no aspect at all, still gives finite numbers.
    for (const double aspect : {0.0, -1.0, std::nan("")}) {
        const CameraPlacement placed = fitCameraToSphere(standard, {}, 2.0f, aspect);
        EXPECT_TRUE(std::isfinite(placed.eye.x) && std::isfinite(placed.eye.y) && std::isfinite(placed.eye.z));
    }
    // A sphere deeper than the far plane: its centre stays in front of it.
    const CameraPlacement huge = fitCameraToSphere(standard, {}, 5000.0f, 1.0);
    EXPECT_LT(length(huge.eye - huge.target), Camera::kFar);
}

TEST(CameraControl, IconHitTestInAFiveHundredPixelView) {
    EXPECT_EQ(hoveredTool(500, 420, 10), kToolMove);
    EXPECT_EQ(hoveredTool(500, 460, 10), kToolRotate);
    EXPECT_EQ(hoveredTool(500, 470, 10), kToolZoom);
    EXPECT_EQ(hoveredTool(500, 400, 10), kToolNone);
    EXPECT_EQ(hoveredTool(500, 468, 10), kToolRotate);
    EXPECT_EQ(hoveredTool(500, 469, 10), kToolZoom);
    EXPECT_EQ(hoveredTool(500, 420, 0), kToolNone);
    EXPECT_EQ(hoveredTool(500, 420, 32), kToolNone);
    EXPECT_EQ(hoveredTool(500, 500, 10), kToolNone);
}

TEST(CameraControl, ZoomStopsAtThreeTenthsFromTheTarget) {
    Camera camera;
    zoomCamera(camera, 30, 0);
    EXPECT_NEAR(distanceOf(camera), std::sqrt(125.0f) - 1.0f, 1e-4f);
    zoomCamera(camera, 3000, 3000);
    EXPECT_NEAR(distanceOf(camera), 0.3f, 1e-5f);
    // The viewing direction is kept.
    EXPECT_NEAR(dot(normalize(camera.eye - camera.target), normalize(Vec3f{0, 5, -10})), 1.0f, 1e-5f);
}

TEST(CameraControl, RotationStopsAtThePoleInsteadOfPassingOver) {
    Camera camera;
    const float distance = distanceOf(camera);
    rotateCamera(camera, 0, 150);  // 1.5 rad upwards: past the vertical
    EXPECT_NEAR(camera.eye.x, 0.0f, 1e-5f);
    EXPECT_NEAR(camera.eye.y, distance, 1e-4f);
    EXPECT_NEAR(camera.eye.z, 0.0f, 1e-5f);
    // Up keeps pointing where the camera looked from: away from the old horizontal direction.
    EXPECT_NEAR(camera.up.x, 0.0f, 1e-5f);
    EXPECT_NEAR(camera.up.y, 0.0f, 1e-5f);
    EXPECT_NEAR(camera.up.z, 1.0f, 1e-5f);
    straightenUp(camera);  // a pole's up has no height and is left alone
    EXPECT_NEAR(camera.up.z, 1.0f, 1e-5f);
}

TEST(CameraControl, RotationBelowThePoleKeepsTheDistance) {
    Camera camera;
    const float distance = distanceOf(camera);
    rotateCamera(camera, 50, 30);
    EXPECT_NEAR(distanceOf(camera), distance, 1e-4f);
    EXPECT_GT(camera.eye.y, 5.0f);
    EXPECT_EQ(camera.up, (Vec3f{0, 1, 0}));
}

TEST(CameraControl, MoveShiftsEyeAndTargetTogether) {
    Camera camera;
    moveCamera(camera, 100, 0);
    // Across the view: d = (0, 5, -10) gives the horizontal direction (10, 0, 0).
    EXPECT_NEAR(camera.target.x, -1.0f, 1e-5f);
    EXPECT_NEAR(camera.eye.x, -1.0f, 1e-5f);
    EXPECT_NEAR(camera.eye.y - camera.target.y, 5.0f, 1e-5f);
    EXPECT_NEAR(camera.eye.z - camera.target.z, -10.0f, 1e-5f);
}

TEST(CameraControl, UpBecomesPerpendicularToTheViewInItsVerticalPlane) {
    Camera camera;
    straightenUp(camera);
    const Vec3f d = camera.eye - camera.target;
    EXPECT_NEAR(dot(camera.up, d), 0.0f, 1e-5f);
    EXPECT_GT(camera.up.y, 0.0f);
    EXPECT_NEAR(camera.up.x, 0.0f, 1e-6f);
    EXPECT_NEAR(length(camera.up), 1.0f, 1e-5f);
}

TEST(CameraControl, DragStartingOutsideTheIconsMovesNothing) {
    Camera camera;
    ToolState tools;
    EXPECT_FALSE(cameraStep(camera, tools, {.x = 100, .y = 100, .leftDown = true}, 500, 300));
    EXPECT_FALSE(cameraStep(camera, tools, {.x = 100, .y = 100, .dx = 40, .dy = 40, .leftDown = true, .leftWasDown = true},
                            500, 300));
    EXPECT_EQ(tools.active, kToolNone);
    EXPECT_EQ(camera.eye, (Vec3f{0, 5, -10}));
}

TEST(CameraControl, DragStartedOnAnIconGoesOnOutsideUntilRelease) {
    Camera camera;
    ToolState tools;
    cameraStep(camera, tools, {.x = 480, .y = 10, .leftDown = true}, 500, 300);
    EXPECT_EQ(tools.active, kToolZoom);
    EXPECT_EQ(tools.hovered, kToolZoom);
    const float before = distanceOf(camera);
    EXPECT_TRUE(cameraStep(camera, tools, {.x = 100, .y = 200, .dx = 30, .leftDown = true, .leftWasDown = true}, 500,
                           300));
    EXPECT_EQ(tools.hovered, kToolNone);
    EXPECT_NEAR(distanceOf(camera), before - 1.0f, 1e-4f);
    EXPECT_FALSE(cameraStep(camera, tools, {.x = 100, .y = 200, .dx = 30, .leftWasDown = true}, 500, 300));
    EXPECT_EQ(tools.active, kToolNone);
    EXPECT_NEAR(distanceOf(camera), before - 1.0f, 1e-4f);
}

// Screen position (clip x, y) of a world point.
Vec3f onScreen(const Camera& camera, Vec3f world) { return transformCoord(world, camera.view * camera.projection); }

bool finite(const Mat4& m) {
    for (const auto& row : m.m) {
        for (float value : row) {
            if (!std::isfinite(value)) return false;
        }
    }
    return true;
}

TEST(PlacedCamera, OffAxisViewKeepsTheWorldsYAxisUpright) {
    // The view list's "斜め左上".
    Camera camera = placedCamera(CameraPlacement{{-3, 3, -8}, {0, 0, 0}});
    camera.updateMatrices(300, 200);
    EXPECT_NEAR(dot(camera.up, camera.eye - camera.target), 0.0f, 1e-5f);
    const Vec3f origin = onScreen(camera, {0, 0, 0});
    const Vec3f above = onScreen(camera, {0, 2, 0});
    EXPECT_NEAR(origin.x, 0.0f, 1e-5f);
    EXPECT_NEAR(above.x, 0.0f, 1e-5f);  // the default up would roll it 14.7° off
    EXPECT_GT(above.y, origin.y + 0.1f);
    // A horizontal line through the target stays level.
    const Vec3f across = onScreen(camera, {8, 0, -3});
    EXPECT_NEAR(across.y, origin.y, 1e-5f);
    EXPECT_GT(across.x, origin.x);
}

TEST(PlacedCamera, CameraBelowItsTargetLookingUpStillSees) {
    // Looking up at 45°: the default up (0, 1, 1) would lie along the view.
    Camera camera = placedCamera(CameraPlacement{{0, -5, -5}, {0, 0, 0}});
    camera.updateMatrices(200, 200);
    ASSERT_TRUE(finite(camera.view));
    const Vec3f target = onScreen(camera, camera.target);
    EXPECT_NEAR(target.x, 0.0f, 1e-5f);
    EXPECT_NEAR(target.y, 0.0f, 1e-5f);
    EXPECT_GT(target.z, 0.0f);
    EXPECT_LT(target.z, 1.0f);
    // Higher points show higher up, on the centre line.
    const Vec3f above = onScreen(camera, {0, 1, 0});
    EXPECT_NEAR(above.x, 0.0f, 1e-5f);
    EXPECT_GT(above.y, 0.0f);
}

TEST(PlacedCamera, StraightDownOrUpLooksWithZUp) {
    for (const float height : {5.0f, -5.0f}) {
        Camera camera = placedCamera(CameraPlacement{{0, height, 0}, {0, 0, 0}});
        camera.updateMatrices(200, 200);
        EXPECT_EQ(camera.up, (Vec3f{0, 0, 1})) << height;
        EXPECT_TRUE(finite(camera.view)) << height;
        EXPECT_NEAR(onScreen(camera, {0, 0, 0}).x, 0.0f, 1e-5f) << height;
    }
}

TEST(PlacedCamera, DefaultPlacementIsTheDefaultCameraStraightened) {
    Camera expected;
    straightenUp(expected);
    const Camera placed = placedCamera(CameraPlacement{});
    EXPECT_EQ(placed.eye, expected.eye);
    EXPECT_EQ(placed.target, expected.target);
    EXPECT_EQ(placed.up, expected.up);
}

}  // namespace
}  // namespace fg
