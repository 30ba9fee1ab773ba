// Grid, axes and emitter gizmo lines: one colour, positions through g_mWVP.
// Matrices are row-major and multiply row vectors: position × matrix.

layout(std140, row_major) uniform global {
    mat4 g_mWVP;
    vec4 g_mColor;
};

#if defined(VS)
layout(location = 0) in vec3 Pos;
void main() {
    gl_Position = glClipFromD3D(vec4(Pos, 1.0) * g_mWVP);
}
#endif

#if defined(PS)
out vec4 outColor;
void main() {
    outColor = g_mColor;
}
#endif
