#pragma once

class QImage;

// The program icon: an ear of wheat on a navy disc with a yellow rim, the
// colours of the start page. Painted at each size rather than scaled so the
// small sizes stay crisp.
QImage PaintIcon(int size);
