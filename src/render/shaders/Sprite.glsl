// Screen-space textured quads (overlay pictures). g_mWorld places the unit
// quad in clip space, g_mTexel picks the source rectangle of the texture.

layout(std140, row_major) uniform global {
    mat4 g_mWorld;
    mat4 g_mTexel;
    vec4 g_blendColor;
};

#if defined(VS)
layout(location = 0) in vec3 Pos;
layout(location = 1) in vec2 Tex;
out vec2 vTex;
void main() {
    gl_Position = glClipFromD3D(vec4(Pos, 1.0) * g_mWorld);
    vTex = (vec4(Tex, 0.0, 1.0) * g_mTexel).xy;
}
#endif

#if defined(PS)
uniform sampler2D g_texDecal;
in vec2 vTex;
out vec4 outColor;
void main() {
    outColor = g_blendColor * texture(g_texDecal, vTex);
}
#endif
