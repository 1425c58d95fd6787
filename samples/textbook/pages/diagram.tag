<align=center><size=18><b>4.5. Векторный рисунок</b></size></align><p>
Рисунок ниже записан прямо в тексте страницы командами рисования. Подписи на нём — ссылки:
нажмите на линзу или на фокус.<p>
<align=center><macros=vector_picture>420;180;
BRUSHCOLOR(255,255,240) CLRSCR()
PENCOLOR(128,128,128) LINE(10,90,410,90)
PENCOLOR(0,0,160) PENWIDTH(2) BRUSHCOLOR(200,230,255) ELLIPSE(200,20,220,160)
PENWIDTH(1) PENCOLOR(red) LINE(20,50,210,50) LINE(210,50,400,129)
PENCOLOR(0,128,0) LINE(20,50,210,90) LINE(210,90,400,130)
BRUSHCOLOR(black) ELLIPSE(303,87,309,93) ELLIPSE(111,87,117,93)
BRUSHSTYLE(clear) FONTSIZE(11) FONTCOLOR(black) TEXTOUT(300,95,,,"F") TEXTOUT(108,95,,,"F")
HINT("Линзы: собирающие и рассеивающие") LINKOUT(180,162,240,178,2,"Линза")
HINT("Что такое фокус линзы") LINKOUT(316,60,380,76,3,"Фокус")
</macros></align><p>
<align=left><hint=Вернуться к содержанию><a=1>« Содержание</a></align><p>
