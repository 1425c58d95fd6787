<macros=tiled_background>vga16.bmp</macros><align=center><size=18><b><background=white>4.2. Фон из плиток</background></b></size></align><p>
<background=white>Рисунок фона повторяется по всей странице, ряд за рядом, от левого верхнего угла.
Текст лежит поверх фона.</background><p>
<align=left><background=white><hint=Вернуться к содержанию><a=1>« Содержание</a></background></align><p>
