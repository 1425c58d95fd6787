<macros=stretched_background>gray.jpg</macros><align=center><size=18><b><color=white>4.4. Растянутый фон</color></b></size></align><p>
<color=white>Рисунок фона растянут на всю страницу и увеличивается вместе с окном.</color><p>
<align=left><linkcolor=yellow><hint=Вернуться к содержанию><a=1>« Содержание</a></linkcolor></align><p>
