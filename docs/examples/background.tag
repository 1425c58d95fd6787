<macros=tiled_background>vga16.bmp</macros><background=white>Рисунок фона повторяется
по всей странице, текст лежит поверх него.</background><p>
