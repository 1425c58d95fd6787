<macros=centered_background>baseline.jpg</macros><align=center><size=18><b>4.3. Фон в центре</b></size></align><p>
Рисунок фона стоит в середине страницы в своём размере; остальная страница окрашена своим цветом.<p>
<align=left><hint=Вернуться к содержанию><a=1>« Содержание</a></align><p>
