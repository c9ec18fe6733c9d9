#version unofficial megapov 1.0;

background{ rgb <64/255,128/255,255/255> }


global_settings{
	adc_bailout 0.0039
	ambient_light rgb <255/255,255/255,255/255>
	assumed_gamma 2.200
	hf_gray_16 0
	irid_wavelength rgb <68/255,46/255,36/255>
	max_intersections 64
	max_trace_level 10
	number_of_waves 10
	motion_blur 5,0.0500
	post_process{focal_blur{5.000,10.000,6.000,1.0}}
	post_process{soft_glow{1.000,8.000}}
	post_process{depth{0.000,100.000}}
	post_process{stars{0.050 , rgb <150/255, 150/255, 150/255>, rgb <255/255, 255/255, 255/255>}}
	post_process{posterize{rgb <1000/255, 1000/255, 1000/255>}}
	post_process{normal}
	post_process{clip_colors{rgb <150/255, 0/255, 150/255>, rgb <255/255, 20/255, 255/255>}}
	post_process{invert}
	post_process{find_edges{1.000,0.300,0.150,2.000,1.000,rgb <0/255, 0/255, 0/255>}}
	radiosity{
		adc_bailout 0.010
		always_sample on
		brightness 1.000
		count 35
		error_bound 1.800
		gray_threshold 0.000
		low_error_factor 0.500
		max_sample -1.000
		media off
		minimum_reuse 0.015
		nearest_count 5
		normal off
		pretrace_end 0.040
		pretrace_start 0.080
		recursion_limit 3
	}
}

//camera [A]
#declare camera_a=camera{
	orthographic
	location < 0.000, 10.000, 0.000 >
	up y*15.000
	right x*20.000
	look_at < 0.000, 0.000, 0.000 >
}

//camera [B]
#declare camera_b=camera{
	location < 0.000, 5.000, -20.000 >
	up y*600
	right x*800
	angle 40.000
	look_at < 0.000, 0.000, 0.000 >
}

//camera [C]
#declare camera_c=camera{
	orthographic
	location < 0.000, 0.000, -10.000 >
	up y*5.460
	right x*7.279
	look_at < 0.000, 0.000, 0.000 >
}

//camera [D]
#declare camera_d=camera{
	orthographic
	location < 10.000, 0.000, 0.000 >
	up y*5.460
	right x*7.279
	look_at < 0.000, 0.000, 0.000 >
}

camera{ camera_c }

//LIGHT "light"
light_source{
	<1.000 , 2.000 , 3.000 >
	rgb <1.000 , 0.000 , 0.000 >
	spotlight
	point_at<0.000,0.000,0.000>
	radius 30.000
	falloff 40.000
	tightness 10.000
}

//LIGHT "parallel point"
light_source{
	<5.000 , 5.000 , 5.000 >
	rgb <1.000 , 1.000 , 1.000 >
	parallel
	fade_distance 10.000
	fade_power 1.000000
}

//LIGHT "light"
light_source{
	<5.000 , 5.000 , 5.000 >
	rgb <1.000 , 1.000 , 1.000 >
	cylinder
	point_at<0.000,0.000,0.000>
	radius 30.000
	falloff 40.000
	tightness 10.000
	shadowless
}

//LIGHT "light"
light_source{
	<5.000 , 5.000 , 5.000 >
	rgb <1.000 , 1.000 , 1.000 >
	circular
	orient
	area_light <1.000,0.000,0.000>,<0.000,1.000,0.000>,2,2
	adaptive 1
	jitter 
	spotlight
	point_at<0.000,0.000,0.000>
	radius 30.000
	falloff 40.000
	tightness 10.000
	media_attenuation on
	media_interaction off
	shadow_pigment{ rgb <48/255, 32/255, 16/255> }
}

//MATERIAL "wood"
#declare quel_mat0=material{
	texture{
		pigment{
			rgbft<255/255,255/255,255/255,0.000,0.000>
		}
	}
}

//MATERIAL "glass"
#declare quel_mat1=material{
	texture{
		pigment{
			rgbft<153/255,102/255,51/255,0.000,0.000>
		}
	}
}

//MATERIAL "declared kind"
#declare quel_mat2=material{
	M_x_y_z
}

//OBJECT "shown "x""
object{ quel_obj1
	material{quel_mat2
	         scale <1.000,1.000,1.000>
	         rotate <0.000,0.000,0.000>
	         translate <1.000,2.000,3.000>
	}
	no_shadow
	double_illuminate
	no_image
	no_reflection
	hollow
 }
//OBJECT "default material"
object{ quel_obj3
	texture{
		pigment{rgb <153/255, 102/255, 51/255>}
		finish{
		}
	}

 }
