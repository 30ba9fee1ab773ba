// Shared by every program. The renderer's projection produces Direct3D clip
// depth (0..w); GL clips and maps -w..w, so the depth is remapped here to keep
// the same window depth on any GL 3.3 driver.
vec4 glClipFromD3D(vec4 clip) {
    return vec4(clip.xy, 2.0 * clip.z - clip.w, clip.w);
}
