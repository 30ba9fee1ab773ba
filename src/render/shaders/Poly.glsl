// Every particle mesh. The constants describe one draw; the per-instance
// inputs (world matrix, colour, texture cell, cylinder ring scales) let many
// particles share one call. A single draw passes identity instance values,
// a batched draw passes view × projection in g_mWVP and identity in g_mW.
// VS_World takes batched particles whose vertices were already moved into
// world space, textured and coloured on the CPU: it only projects them.
// Matrices are row-major and multiply row vectors: position × matrix.

layout(std140, row_major) uniform global {
    mat4 g_mWVP;
    mat4 g_mW;
    mat4 g_mTex;
    mat4 g_mScreen;
    vec4 g_mColor;
    mat4 g_mBottomScale;
    mat4 g_mTopScale;
    vec4 g_underCut;
};

#if defined(VERTEX_STAGE)
layout(location = 0) in vec3 Pos;
layout(location = 1) in vec2 Tex;

out vec2 vTex;
out vec4 vRTTexCoord;
out vec4 vPos3D;
flat out vec4 vColor;

#if defined(VS_World)
layout(location = 2) in vec4 Color;

void main() {
    vec4 world = vec4(Pos, 1.0);
    gl_Position = glClipFromD3D(world * g_mWVP);
    vPos3D = world * g_mW;
    vTex = Tex;
    vRTTexCoord = vec4(0.0);
    vColor = g_mColor * Color;
}
#else
// The rows of the instance's world matrix.
layout(location = 2) in vec4 InstWorld0;
layout(location = 3) in vec4 InstWorld1;
layout(location = 4) in vec4 InstWorld2;
layout(location = 5) in vec4 InstWorld3;
layout(location = 6) in vec4 InstColor;
// Texture transform: (m00, m01, m10, m11) and (m30, m31, unused, unused).
layout(location = 7) in vec4 InstTexLinear;
layout(location = 8) in vec4 InstTexOffset;
layout(location = 9) in vec4 InstBottomScale;
layout(location = 10) in vec4 InstTopScale;

vec4 localPosition() {
    vec4 p = vec4(Pos, 1.0);
#if defined(VS_Cylinder)
    // The ring at z = 0 is the bottom, the other one the top.
    if (Pos.z == 0.0) return p * g_mBottomScale * vec4(InstBottomScale.xyz, 1.0);
    return p * g_mTopScale * vec4(InstTopScale.xyz, 1.0);
#else
    return p;
#endif
}

void main() {
    // Built from rows, so instanceWorld * p equals the row-vector product p × world.
    mat4 instanceWorld = mat4(InstWorld0, InstWorld1, InstWorld2, InstWorld3);
    vec4 world = instanceWorld * localPosition();
    gl_Position = glClipFromD3D(world * g_mWVP);
    vPos3D = world * g_mW;
    vec2 t = (vec4(Tex, 0.0, 1.0) * g_mTex).xy;
    vTex = vec2(t.x * InstTexLinear.x + t.y * InstTexLinear.z + InstTexOffset.x,
                t.x * InstTexLinear.y + t.y * InstTexLinear.w + InstTexOffset.y);
    vRTTexCoord = vec4(0.0);
    vColor = g_mColor * InstColor;
}
#endif
#endif

#if defined(PIXEL_STAGE)
uniform sampler2D g_texDecal;
uniform sampler2D g_texRT;

in vec2 vTex;
in vec4 vRTTexCoord;
in vec4 vPos3D;
flat in vec4 vColor;
#if defined(FETCH_DESTINATION)
inout vec4 outColor;  // holds the target's pixel until this fragment writes it
#else
out vec4 outColor;
#endif

bool belowGround() {
    return g_underCut.x != 0.0 && vPos3D.y < 0.0;
}

// What is already drawn under this pixel: the export copy of the render
// target, which has the same origin as the target, so the fragment position
// maps straight onto it; or, in the fetching variant, the target's own pixel
// as the earlier primitives left it; or, in the texel variant, the target's
// own texture bound in the copy's place (the texel this fragment writes).
vec4 destination() {
#if defined(FETCH_DESTINATION)
    return outColor;
#elif defined(READ_TARGET_TEXEL)
    return texelFetch(g_texRT, ivec2(gl_FragCoord.xy), 0);
#else
    return texture(g_texRT, (vec4(gl_FragCoord.xy, 0.0, 1.0) * g_mScreen).xy);
#endif
}

vec4 overNormal(vec4 c, vec4 d) {
    if (d.a == 0.0) return c;
    float as = c.a;
    float ad = d.a;
    float ar = as + (1.0 - as) * ad;
    return vec4((c.rgb * as + d.rgb * (1.0 - as) * ad) / ar, ar);
}

vec4 overAdditive(vec4 c, vec4 d) {
    if (d.a == 0.0) return c;
    return vec4((c.rgb * c.a + d.rgb * d.a) * (1.0 / clamp(c.a + d.a, 0.0, 1.0)), c.a + d.a);
}

void main() {
    vec4 c = texture(g_texDecal, vTex) * vColor;
#if defined(PS_Alpha)
    if (belowGround()) c.a = 0.0;
    outColor = c;
#elif defined(PS_NonAlpha)
    if (belowGround()) c.a = 0.0;
    if (c.a < 1.0) discard;
    outColor = c;
#elif defined(PS_BackAlpha)
    if (belowGround()) discard;
    outColor = overNormal(c, destination());
#elif defined(PS_BackNonAlpha)
    if (belowGround()) discard;
    if (c.a < 1.0) discard;
    outColor = overNormal(c, destination());
#elif defined(PS_BackAlphaAdd)
    if (belowGround()) discard;
    outColor = overAdditive(c, destination());
#elif defined(PS_BackNonAlphaAdd)
    if (belowGround()) discard;
    if (c.a < 1.0) discard;
    vec4 d = destination();
    outColor = d.a == 0.0 ? c : vec4(c.rgb + d.rgb * d.a, 1.0);
#endif
}
#endif
