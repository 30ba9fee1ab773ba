#include "render/LineSegment.h"

namespace fg {

LineSegment::LineSegment(Vec3f from, Vec3f to, int red, int green, int blue)
    : m_from(from), m_to(to),
      m_color{static_cast<float>(red) / 255.0f, static_cast<float>(green) / 255.0f,
              static_cast<float>(blue) / 255.0f, 0.5f},
      m_vertices(makeBuffer()), m_layout(makeVertexArray()) {
    const float points[6] = {from.x, from.y, from.z, to.x, to.y, to.z};
    glBindVertexArray(m_layout.id());
    glBindBuffer(GL_ARRAY_BUFFER, m_vertices.id());
    glBufferData(GL_ARRAY_BUFFER, sizeof points, points, GL_STATIC_DRAW);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, 12, nullptr);
    glBindVertexArray(0);
}

void LineSegment::draw(LineProgram& program, const Camera& camera, const Mat4& world) const {
    LineConstants constants{};
    constants.g_mWVP = world * camera.view * camera.projection;
    for (std::size_t i = 0; i < 4; ++i) constants.g_mColor[i] = m_color[i];
    program.use(constants);
    glBindVertexArray(m_layout.id());
    glDrawArrays(GL_LINES, 0, 2);
    glBindVertexArray(0);
}

}  // namespace fg
